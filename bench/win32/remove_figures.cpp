#include "remove_figures.h"

#include <commctrl.h>

namespace mlbench {

namespace {

constexpr int kRemoved = 1000;

// Rows appended at the end of the list view, so that every run starts full.
void AppendToAnchor(Anchor& anchor, const Rows& rows, int count) {
    const int start = static_cast<int>(SendMessageW(anchor.window, LVM_GETITEMCOUNT, 0, 0));
    SendMessageW(anchor.window, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < count; ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = start + i;
        item.pszText = const_cast<wchar_t*>(rows.cells[0][i].c_str());
        item.lParam = i;
        const int at = static_cast<int>(SendMessageW(anchor.window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (int c = 1; c < kColumns; ++c) {
            LVITEMW sub = {};
            sub.iSubItem = c;
            sub.pszText = const_cast<wchar_t*>(rows.cells[c][i].c_str());
            SendMessageW(anchor.window, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&sub));
        }
    }
    SendMessageW(anchor.window, WM_SETREDRAW, TRUE, 0);
}

void RemoveOurs(Ours& ours) {
    for (int i = 0; i < kRemoved; ++i) {
        LONG count = 0;
        ours.dual->RemoveItem(0, &count);
    }
}

void RemoveAnchors(Anchor& anchor) {
    for (int i = 0; i < kRemoved; ++i) SendMessageW(anchor.window, LVM_DELETEITEM, 0, 0);
}

// A control nobody placed on a form: made and initialised, never activated,
// so it has no window and nothing it paints is seen.
_MireloList* Unplaced() {
    CLSID clsid;
    IPersistStreamInit* init = nullptr;
    _MireloList* list = nullptr;
    if (FAILED(CLSIDFromProgID(L"MireloListProj.MireloList", &clsid)) ||
        FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistStreamInit,
                                reinterpret_cast<void**>(&init))))
        return nullptr;
    if (SUCCEEDED(init->InitNew())) init->QueryInterface(IID__MireloList, reinterpret_cast<void**>(&list));
    init->Release();
    return list;
}

// A host's batch: painting off, the work, painting on, one repaint.
void Batched(HWND window, const std::function<void()>& work) {
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    work();
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    Repaint(window);
}

}  // namespace

std::vector<Figure> RemoveFigures(Ours& ours, Anchor& anchor, const Rows& rows, int full, int runs) {
    ours.Fill(rows, full - static_cast<int>(ours.GetLong(L"ListCount")));
    AppendToAnchor(anchor, rows, full - static_cast<int>(SendMessageW(anchor.window, LVM_GETITEMCOUNT, 0, 0)));
    Flush(ours.window);
    Flush(anchor.window);
    Figure plain("remove-1000"), batched("remove-1000-batched");
    auto refill = [&] {
        ours.Fill(rows, kRemoved);
        AppendToAnchor(anchor, rows, kRemoved);
        Flush(ours.window);
        Flush(anchor.window);
    };
    for (int r = 0; r < runs; ++r) {
        plain.ours.push_back(Once([&] { RemoveOurs(ours); Flush(ours.window); }));
        plain.anchor.push_back(Once([&] { RemoveAnchors(anchor); Flush(anchor.window); }));
        refill();
        batched.ours.push_back(Once([&] { Batched(ours.window, [&] { RemoveOurs(ours); }); }));
        batched.anchor.push_back(Once([&] { Batched(anchor.window, [&] { RemoveAnchors(anchor); }); }));
        refill();
    }

    // Unseen: our control without a window against the list view with its
    // painting off; neither paints at all.
    Figure unseen("remove-1000-unseen");
    Ours unplaced;
    unplaced.dual = Unplaced();
    if (!unplaced.dual || !unplaced.AddColumns()) return {plain, batched};
    for (int r = 0; r < runs; ++r) {
        unplaced.Fill(rows, r == 0 ? full : kRemoved);
        unseen.ours.push_back(Once([&] { RemoveOurs(unplaced); }));
        SendMessageW(anchor.window, WM_SETREDRAW, FALSE, 0);
        unseen.anchor.push_back(Once([&] { RemoveAnchors(anchor); }));
        SendMessageW(anchor.window, WM_SETREDRAW, TRUE, 0);
        AppendToAnchor(anchor, rows, kRemoved);
        Flush(anchor.window);
    }
    unplaced.dual->Release();
    return {plain, batched, unseen};
}

}  // namespace mlbench
