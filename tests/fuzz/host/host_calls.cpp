// A hostile host: drives the registered component through IDispatch with
// random members (by DISPID, from its type library) and hostile arguments, on
// a windowless control (as a script has it) and on one hosted in place, and
// checks as it goes that
//   - a call that failed changed nothing the host can read back,
//   - counts, indexes and every property read back in range and consistent,
//   - what the control accepted never makes a later call fail: the list
//     still adds, removes, clears, recolours, hit-tests and repaints,
//   - a by-reference argument is written only inside its own VARIANT,
//   - GDI objects stay bounded from control to control.
// Seeded and bounded by time and calls:
//   host_calls.exe [--seed N] [--seconds S] [--calls N]
// Exit status 0 when every check held; on a failure it prints the seed, the
// call and the calls before it.
#include <windows.h>
#include <oleauto.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "control_state.h"
#include "hostile_values.h"
#include "test_container.h"

namespace hostfuzz {
namespace {

using mltest::CallResult;
using mltest::ComPtr;
using mltest::Var;

struct Member {
    DISPID id;
    std::string name;
    INVOKEKIND kind;
    std::vector<VARTYPE> params;  // declared types, [retval] left out; VT_BYREF kept
    int optional = 0;
};

// The members of the control's dispatch interface, as its type library lists them.
std::vector<Member> Members(IDispatch* d) {
    std::vector<Member> out;
    ComPtr<ITypeInfo> info;
    if (FAILED(d->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Out())) || !info) return out;
    TYPEATTR* attr = nullptr;
    if (FAILED(info->GetTypeAttr(&attr))) return out;
    for (UINT i = 0; i < attr->cFuncs; ++i) {
        FUNCDESC* f = nullptr;
        if (FAILED(info->GetFuncDesc(i, &f))) continue;
        BSTR name = nullptr;
        UINT n = 0;
        info->GetNames(f->memid, &name, 1, &n);
        Member m{f->memid, {}, f->invkind, {}, f->cParamsOpt};
        for (UINT k = 0; name && k < SysStringLen(name); ++k) m.name += static_cast<char>(name[k]);
        SysFreeString(name);
        for (SHORT p = 0; p < f->cParams; ++p) {
            const ELEMDESC& e = f->lprgelemdescParam[p];
            if (e.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) continue;
            VARTYPE vt = e.tdesc.vt;
            if (vt == VT_PTR && e.tdesc.lptdesc) vt = static_cast<VARTYPE>(VT_BYREF | e.tdesc.lptdesc->vt);
            if (e.paramdesc.wParamFlags & PARAMFLAG_FOPT) ++m.optional;
            m.params.push_back(vt);
        }
        m.optional = std::min<int>(m.optional, static_cast<int>(m.params.size()));
        // IUnknown's and IDispatch's own entries are restricted; About opens a
        // modal window that waits for a user, which no run here has.
        if (!(f->wFuncFlags & FUNCFLAG_FRESTRICTED) && m.name != "About") out.push_back(m);
        info->ReleaseFuncDesc(f);
    }
    info->ReleaseTypeAttr(attr);
    return out;
}

// One call as made: for the report and for replaying in a test.
struct Call {
    std::string text;
    HRESULT hr = S_OK;
    int error = 0;
};

// A by-reference argument's target between two guards that no call may touch.
struct Guarded {
    VARIANT before, target, after;
};
constexpr LONG kGuard = 0x5A5A5A5A;

class Run {
public:
    Run(uint64_t seed, double seconds, long maxCalls) : rng_(seed), seed_(seed), seconds_(seconds), maxCalls_(maxCalls) {}

    int Go() {
        const auto start = std::chrono::steady_clock::now();
        // Counted once the first pair of controls made what the process keeps
        // for good (window classes, cached cursors and fonts).
        int gdiAtStart = 0, episodes = 0, gdiPeak = 0;
        while (ok_ && calls_ < maxCalls_ && Elapsed(start) < seconds_) {
            const bool hosted = episodes % 2 == 1;
            Episode(hosted, start);
            ++episodes;
            const int gdi = mltest::LiveGdiObjects();
            if (episodes == 2) gdiAtStart = gdi;
            gdiPeak = std::max(gdiPeak, gdi);
            // Each control frees what it made: a run of many controls must not grow.
            if (ok_ && episodes > 2 && gdi > gdiAtStart + 16)
                Fail("GDI objects grew from " + std::to_string(gdiAtStart) + " to " + std::to_string(gdi) + " after " +
                     std::to_string(episodes) + " controls");
        }
        std::printf("host_calls: seed %llu, %ld calls (%ld run-time errors, %ld refused by dispatch) on %d controls "
                    "(windowless and hosted), %.1f s; GDI objects %d after the first two, peak %d\n",
                    static_cast<unsigned long long>(seed_), calls_, runtimeErrors_, dispatchErrors_, episodes,
                    Elapsed(start), gdiAtStart, gdiPeak);
        std::printf("host_calls: run-time errors by number:");
        for (const auto& [number, n] : errorsByNumber_) std::printf(" %d x%ld", number, n);
        std::printf("\n%s\n", ok_ ? "host_calls: every check held" : "host_calls: FAILED");
        return ok_ ? 0 : 1;
    }

private:
    static double Elapsed(std::chrono::steady_clock::time_point start) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    void Episode(bool hosted, std::chrono::steady_clock::time_point start) {
        std::unique_ptr<mltest::HostedControl> host;
        ComPtr<IDispatch> d;
        if (hosted) {
            host = std::make_unique<mltest::HostedControl>();
            if (!host->ok()) return Fail("no hosted control: " + host->failure());
            d = ComPtr<IDispatch>(host->dispatch());
        } else {
            d = mltest::NewDispatch();
            if (!d) return Fail("no control: is the component registered?");
        }
        if (members_.empty()) members_ = Members(d.Get());
        if (members_.empty()) return Fail("no members in the type library");
        HostileValues values(rng_, d.Get());
        history_.clear();
        ControlState state = ReadState(d.Get(), Rows(ControlState{}, {}));
        // A few thousand calls per control: long enough to fill and scroll it.
        for (int i = 0; i < 3000 && ok_ && calls_ < maxCalls_ && Elapsed(start) < seconds_; ++i) {
            std::vector<long> touched;
            const Call call = RandomCall(d.Get(), values, &touched);
            if (!ok_) return;
            if (hosted) mltest::PumpMessages();
            const ControlState after = ReadState(d.Get(), Rows(state, touched));
            if (FAILED(call.hr) && !(after == state))
                return Fail("a call that failed changed what the host reads:\n" + state.Difference(after));
            if (const std::string broken = CheckInvariants(after); !broken.empty()) return Fail(broken);
            state = after;
            if (i % 50 == 49) {
                Probe(d.Get(), state);
                state = ReadState(d.Get(), Rows(state, {}));
            }
        }
        Probe(d.Get(), state);
    }

    // The rows a snapshot reads: the first and last few, and those a call named.
    static std::vector<long> Rows(const ControlState& s, const std::vector<long>& touched) {
        std::vector<long> rows = touched;
        const long count = std::max(0L, s.Number(L"ListCount"));
        for (long i = 0; i < 4; ++i) rows.push_back(i), rows.push_back(count - 1 - i);
        return rows;
    }

    Call RandomCall(IDispatch* d, HostileValues& values, std::vector<long>* touched) {
        const Member& m = members_[values.Below(static_cast<uint32_t>(members_.size()))];
        WORD flags = m.kind == INVOKE_FUNC ? DISPATCH_METHOD
                     : m.kind == INVOKE_PROPERTYGET ? DISPATCH_PROPERTYGET
                     : m.kind == INVOKE_PROPERTYPUTREF ? DISPATCH_PROPERTYPUTREF
                                                       : DISPATCH_PROPERTYPUT;
        if (values.Chance(3)) flags = static_cast<WORD>(1 + values.Below(8));  // any mix, even nonsense
        int count = static_cast<int>(m.params.size()) - static_cast<int>(values.Below(m.optional + 1));
        if (values.Chance(3)) count = static_cast<int>(values.Below(6));  // too few or too many
        std::vector<Var> args;
        std::vector<std::unique_ptr<Guarded>> refs;
        for (int k = 0; k < count; ++k) {
            const VARTYPE declared = k < static_cast<int>(m.params.size()) ? m.params[k] : VARTYPE{VT_VARIANT};
            Var v = values.For(static_cast<VARTYPE>(declared & VT_TYPEMASK));
            if (V_VT(v.get()) == VT_I2 || V_VT(v.get()) == VT_I4) touched->push_back(v.AsLong());
            // Passed by reference as scripts pass variables, or as the exact typed reference.
            if ((declared & VT_BYREF) || values.Chance(10)) {
                auto g = std::make_unique<Guarded>();
                for (VARIANT* p : {&g->before, &g->target, &g->after}) VariantInit(p);
                V_VT(&g->before) = V_VT(&g->after) = VT_I4;
                V_I4(&g->before) = V_I4(&g->after) = kGuard;
                VariantCopy(&g->target, v.get());
                Var r;
                const bool typed = values.Chance(50) && V_VT(&g->target) != VT_EMPTY && !(V_VT(&g->target) & VT_ARRAY);
                V_VT(r.get()) = static_cast<VARTYPE>(VT_BYREF | (typed ? V_VT(&g->target) : VARTYPE{VT_VARIANT}));
                if (typed) V_BYREF(r.get()) = &V_I4(&g->target);
                else V_VARIANTREF(r.get()) = &g->target;
                // The argument refers to the guarded target, which owns the value.
                VariantClear(v.get());
                std::memcpy(v.get(), r.get(), sizeof(VARIANT));
                V_VT(r.get()) = VT_EMPTY;
                refs.push_back(std::move(g));
            }
            args.push_back(v);
        }
        Call call = Invoke(d, m, flags, args);
        for (auto& g : refs) {
            if (V_VT(&g->before) != VT_I4 || V_I4(&g->before) != kGuard || V_VT(&g->after) != VT_I4 ||
                V_I4(&g->after) != kGuard)
                Fail("a by-reference argument was written past its VARIANT: " + call.text);
            VariantClear(&g->target);
        }
        return call;
    }

    Call Invoke(IDispatch* d, const Member& m, WORD flags, std::vector<Var>& args) {
        Call call;
        call.text = m.name + (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF) ? " = " : "(");
        for (size_t k = 0; k < args.size(); ++k) call.text += (k ? ", " : "") + Describe(*args[k].get());
        call.text += flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF) ? "" : ")";
        call.text += " [flags " + std::to_string(flags) + "]";
        std::vector<VARIANT> reversed;
        for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(*it->get());
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) && !reversed.empty()) {
            params.rgdispidNamedArgs = &named;
            params.cNamedArgs = 1;
        }
        Var result;
        EXCEPINFO excep{};
        UINT argErr = 0;
        call.hr = d->Invoke(m.id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result.get(), &excep, &argErr);
        ++calls_;
        if (call.hr == DISP_E_EXCEPTION) {
            call.error = HRESULT_FACILITY(excep.scode) == FACILITY_CONTROL ? HRESULT_CODE(excep.scode) : -1;
            ++runtimeErrors_;
            ++errorsByNumber_[call.error];
            static const int known[] = {6, 7, 9, 11, 13, 380};
            if (std::find(std::begin(known), std::end(known), call.error) == std::end(known))
                Fail("an error that is no run-time error of this control: " + std::to_string(call.error) + " in " +
                     call.text);
        } else if (FAILED(call.hr)) {
            ++dispatchErrors_;
        }
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
        history_.push_back(call.text + (FAILED(call.hr) ? " -> error " + std::to_string(call.error ? call.error : call.hr) : ""));
        if (history_.size() > 25) history_.pop_front();
        return call;
    }

    // Calls that must work whatever the host set before: everything that
    // lays out, paints and hit-tests.
    void Probe(IDispatch* d, const ControlState& s) {
        const long count = s.Number(L"ListCount");
        const struct {
            const char* what;
            CallResult r;
        } probes[] = {
            {"Refresh", mltest::Method(d, L"Refresh")},
            {"IndexFromPoint", mltest::Get(d, L"IndexFromPoint", {Var::I4(0), Var::I4(40)})},
            {"ItemBkColor1", mltest::Put(d, L"ItemBkColor1", Var::I4((s.Number(L"ItemBkColor1") + 1) & 0xFFFFFF))},
            {"SetCheckAllItem", mltest::Method(d, L"SetCheckAllItem", {Var::Bool(false)})},
            {"ResizeHead", mltest::Method(d, L"ResizeHead")},
            {"AddItem", count < 32768 ? mltest::Method(d, L"AddItem", {Var::Str(L"p,q")}) : CallResult{}},
            {"RemoveItem", count < 32768 ? mltest::Method(d, L"RemoveItem", {Var::I2(static_cast<short>(count))})
                                         : CallResult{}},
        };
        for (const auto& p : probes) {
            if (p.r.hr == E_FAIL) continue;  // not made
            if (FAILED(p.r.hr)) return Fail(std::string("after what the host set, ") + p.what + " failed with " +
                                            std::to_string(p.r.ErrorNumber() ? p.r.ErrorNumber() : p.r.hr));
        }
        calls_ += 7;
    }

    void Fail(const std::string& what) {
        if (!ok_) return;
        ok_ = false;
        std::printf("host_calls: seed %llu, call %ld: %s\nthe calls before, oldest first:\n",
                    static_cast<unsigned long long>(seed_), calls_, what.c_str());
        for (const auto& c : history_) std::printf("  %s\n", c.c_str());
    }

    std::mt19937_64 rng_;
    uint64_t seed_;
    double seconds_;
    long maxCalls_;
    std::vector<Member> members_;
    std::deque<std::string> history_;
    std::map<int, long> errorsByNumber_;
    long calls_ = 0, runtimeErrors_ = 0, dispatchErrors_ = 0;
    bool ok_ = true;
};

}  // namespace
}  // namespace hostfuzz

int main(int argc, char** argv) {
    uint64_t seed = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    double seconds = 20;
    long calls = 1000000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--seed")) seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (!std::strcmp(argv[i], "--seconds")) seconds = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--calls")) calls = std::atol(argv[i + 1]);
    }
    if (FAILED(OleInitialize(nullptr))) return 2;
    const int status = hostfuzz::Run(seed, seconds, calls).Go();
    OleUninitialize();
    return status;
}
