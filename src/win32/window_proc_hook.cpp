#include "win32/window_proc_hook.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "win32/hwnd.h"

namespace mirelo::win32 {

static_assert(sizeof(WndProcAddress) == sizeof(LONG_PTR) && sizeof(MsgParam) == sizeof(LPARAM) &&
                  sizeof(MsgParam) == sizeof(LRESULT),
              "the core carries procedures and message parameters at the platform's width");

namespace {

// One hook on a window. Its address is the token it hands to the hook above
// it as "the procedure before", so the hook above can call it and be told
// apart from every other hook when it goes.
struct Link {
    MessageTarget* target;    // null once unhooked: the link then only passes messages down
    WndProcAddress previous;  // the window's own procedure (lowest link) or the link below
};

// The hooks of one window, lowest first. A link unhooked while a dispatch is
// under way, or while a hook above still leads through it, stays as a pass-
// through until nothing can reach it any more.
struct Chain {
    std::vector<std::unique_ptr<Link>> links;
    WndProcAddress original = 0;  // what the window ran before our stack went on
    int depth = 0;          // dispatches under way on this window
    bool detached = false;  // the window runs its own procedure again
    bool destroyed = false;  // WM_NCDESTROY went through
};

std::map<HWND, Chain>& Chains() {
    static std::map<HWND, Chain> chains;
    return chains;
}

Chain* Find(HWND hwnd) {
    auto it = Chains().find(hwnd);
    return it == Chains().end() ? nullptr : &it->second;
}

WndProcAddress Token(const Link* link) { return reinterpret_cast<WndProcAddress>(link); }

int IndexOf(const Chain& chain, WndProcAddress token) {
    for (size_t i = 0; i < chain.links.size(); ++i)
        if (Token(chain.links[i].get()) == token) return static_cast<int>(i);
    return -1;
}

bool HasActiveLink(const Chain& chain) {
    return std::any_of(chain.links.begin(), chain.links.end(), [](const auto& l) { return l->target != nullptr; });
}

LRESULT CALLBACK HookedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

bool RunsHookedProc(HWND hwnd) {
    return GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&HookedProc);
}

// Called when no dispatch is under way: frees what nothing can reach any more.
void Settle(HWND hwnd, Chain& chain) {
    if (chain.destroyed || chain.detached) {
        Chains().erase(hwnd);
        return;
    }
    if (!HasActiveLink(chain)) {
        // A subclass that sat over the unhooked stack has gone in the meantime.
        if (RunsHookedProc(hwnd)) {
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, static_cast<LONG_PTR>(chain.original));
            Chains().erase(hwnd);
        }
        return;
    }
    // Unhooked links on top: no hook above holds their token.
    while (!chain.links.back()->target) chain.links.pop_back();
}

LRESULT Run(HWND hwnd, Chain& chain, size_t index, UINT msg, WPARAM wParam, LPARAM lParam);

LRESULT Forward(HWND hwnd, Chain* chain, WndProcAddress previous, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (chain) {
        const int below = IndexOf(*chain, previous);
        if (below >= 0) return Run(hwnd, *chain, static_cast<size_t>(below), msg, wParam, lParam);
    }
    return CallWindowProcW(reinterpret_cast<WNDPROC>(previous), hwnd, msg, wParam, lParam);
}

LRESULT Run(HWND hwnd, Chain& chain, size_t index, UINT msg, WPARAM wParam, LPARAM lParam) {
    struct Depth {
        HWND hwnd;
        Chain& chain;
        ~Depth() {
            if (--chain.depth == 0) Settle(hwnd, chain);
        }
    } depth{hwnd, chain};
    ++chain.depth;
    const Link& link = *chain.links[index];
    if (link.target) {
        return link.target->WindowProc(FromHwnd(hwnd), static_cast<int32_t>(msg), static_cast<MsgParam>(wParam),
                                       lParam);
    }
    return Forward(hwnd, &chain, link.previous, msg, wParam, lParam);
}

LRESULT CALLBACK HookedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Chain* chain = Find(hwnd);
    if (!chain || chain->links.empty()) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) chain->destroyed = true;
    return Run(hwnd, *chain, chain->links.size() - 1, msg, wParam, lParam);
}

}  // namespace

int WindowProcHook::LinkCount(HWND hwnd) {
    const Chain* chain = Find(hwnd);
    return chain ? static_cast<int>(chain->links.size()) : 0;
}

WndProcAddress WindowProcHook::ReplaceWndProc(HWnd hWnd, MessageTarget* target) {
    const HWND hwnd = ToHwnd(hWnd);
    if (!IsWindow(hwnd)) return 0;
    Chain& chain = Chains()[hwnd];
    auto link = std::make_unique<Link>(Link{target, 0});
    if (!chain.links.empty() && !chain.detached) {
        // Our stack is in place (perhaps under someone else's subclass): the
        // new hook goes on top of it.
        link->previous = Token(chain.links.back().get());
    } else {
        chain.detached = false;
        chain.original = static_cast<WndProcAddress>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedProc)));
        link->previous = chain.original;
    }
    chain.links.push_back(std::move(link));
    return chain.links.back()->previous;
}

void WindowProcHook::RestoreWndProc(HWnd hWnd, WndProcAddress previous) {
    const HWND hwnd = ToHwnd(hWnd);
    Chain* chain = Find(hwnd);
    if (!chain) return;  // the window is gone, and its chain with it
    const auto gone = std::find_if(chain->links.rbegin(), chain->links.rend(),
                                   [&](const auto& l) { return l->target && l->previous == previous; });
    if (gone == chain->links.rend()) return;
    (*gone)->target = nullptr;
    // The last hook gone: the window gets back what it ran before the first
    // one, unless someone subclassed over us meanwhile and still calls in.
    if (!HasActiveLink(*chain) && RunsHookedProc(hwnd)) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, static_cast<LONG_PTR>(chain->original));
        chain->detached = true;
    }
    if (chain->depth == 0) Settle(hwnd, *chain);
}

MsgParam WindowProcHook::CallWindowProc(WndProcAddress previous, HWnd hWnd, int32_t uMsg, MsgParam wParam,
                                        MsgParam lParam) {
    const HWND hwnd = ToHwnd(hWnd);
    return Forward(hwnd, Find(hwnd), previous, static_cast<UINT>(uMsg), static_cast<WPARAM>(wParam),
                   static_cast<LPARAM>(lParam));
}

WindowProcHook& SharedWindowProcHook() {
    static WindowProcHook hook;
    return hook;
}

}  // namespace mirelo::win32
