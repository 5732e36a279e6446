#include "listctl/accessibility_model.h"

#include <algorithm>

#include "base/numeric.h"
#include "listctl/mirelo_list.h"
#include "scrollbar/scroll_part.h"

namespace mirelo {

namespace {

const Text kListName = u"MireloList";
const Text kHeaderName = u"Header";
const Text kBarName = u"Vertical";
const Text kPlayAction = u"Play";
const Text kSortAction = u"Sort";

// The bar's parts from the top, with the names the system gives a scroll
// bar's. The arrows and page areas are named after what pressing them does.
struct BarPartInfo {
    ScrollPart part;
    const char16_t* name;
};
constexpr BarPartInfo kBarParts[] = {
    {ScrollPart::Button1, u"Line up"}, {ScrollPart::Track1, u"Page up"},     {ScrollPart::Thumb, u"Position"},
    {ScrollPart::Track2, u"Page down"}, {ScrollPart::Button2, u"Line down"},
};
constexpr int32_t kBarPartCount = sizeof kBarParts / sizeof kBarParts[0];

const BarPartInfo* FindBarPart(int16_t part) {
    for (const BarPartInfo& info : kBarParts)
        if (static_cast<int16_t>(info.part) == part) return &info;
    return nullptr;
}

// A thumb too big for its track is not drawn, whatever its rectangle.
Rect PartRect(const BarLayout& g, ScrollPart part) {
    return part == ScrollPart::Thumb && !g.ThumbVisible ? Rect{} : g.PartRect(part);
}

// A rectangle of the bar's own pixels in the list's.
Rect OnList(const ucScrollbar& bar, const Rect& r) {
    return Rect{r.left + bar.Left(), r.top + bar.Top(), r.right + bar.Left(), r.bottom + bar.Top()};
}

}  // namespace

AccessibilityModel::AccessibilityModel(MireloList& list, int32_t clientWidth, int32_t clientHeight)
    : list_(list), width_(clientWidth), height_(clientHeight) {}

ListGeometry AccessibilityModel::Geometry() const {
    // The model's client size may differ from the surface's while a window
    // is resized; its rows end at that client's bottom.
    ListGeometry g = list_.Geometry();
    g.width = width_;
    g.height = height_;
    g.fullHeight = height_;
    return g;
}

int32_t AccessibilityModel::ListChildCount() const { return list_.ListCount() + 2; }

bool AccessibilityModel::ListChild(int32_t id, AccessibleElement& out) const {
    const int32_t rows = list_.ListCount();
    if (id == 1) out = {AccessiblePart::Header, -1};
    else if (id >= 2 && id < rows + 2) out = {AccessiblePart::Row, static_cast<int16_t>(id - 2)};
    else if (id == rows + 2) out = {AccessiblePart::Bar, -1};
    else return false;
    return true;
}

int32_t AccessibilityModel::ListChildId(const AccessibleElement& e) const {
    switch (e.part) {
    case AccessiblePart::List: return 0;
    case AccessiblePart::Header:
    case AccessiblePart::HeaderCell: return 1;
    case AccessiblePart::Row: return e.index + 2;
    case AccessiblePart::Bar:
    case AccessiblePart::BarPart: return list_.ListCount() + 2;
    }
    return 0;
}

std::vector<int16_t> AccessibilityModel::ShownColumns() const {
    // The painter's rule: slots 0 .. ColNumCount, hidden while zero wide.
    std::vector<int16_t> shown;
    for (int c = 0; c <= list_.Columns().count; ++c)
        if (list_.Columns().widths.at(c) > 0) shown.push_back(static_cast<int16_t>(c));
    return shown;
}

int32_t AccessibilityModel::HeaderChildCount() const { return static_cast<int32_t>(ShownColumns().size()); }

bool AccessibilityModel::HeaderChild(int32_t id, AccessibleElement& out) const {
    const std::vector<int16_t> shown = ShownColumns();
    if (id < 1 || id > static_cast<int32_t>(shown.size())) return false;
    out = {AccessiblePart::HeaderCell, shown[id - 1]};
    return true;
}

int32_t AccessibilityModel::HeaderChildId(int16_t column) const {
    const std::vector<int16_t> shown = ShownColumns();
    const auto it = std::find(shown.begin(), shown.end(), column);
    return it == shown.end() ? 0 : static_cast<int32_t>(it - shown.begin()) + 1;
}

int32_t AccessibilityModel::BarChildCount() const { return kBarPartCount; }

bool AccessibilityModel::BarChild(int32_t id, AccessibleElement& out) const {
    if (id < 1 || id > kBarPartCount) return false;
    out = {AccessiblePart::BarPart, static_cast<int16_t>(kBarParts[id - 1].part)};
    return true;
}

int32_t AccessibilityModel::BarChildId(int16_t part) const {
    const BarPartInfo* info = FindBarPart(part);
    return info ? static_cast<int32_t>(info - kBarParts) + 1 : 0;
}

int32_t AccessibilityModel::RowsInView() const { return Geometry().RowsInView(); }

Text AccessibilityModel::RowName(int16_t row) const {
    const ItemRecord& record = list_.Rows().at(row);
    const bool numbered = list_.Look().YnNeedNumCol != kFalse;
    Text name;
    for (int16_t c : ShownColumns()) {
        // Numbered as painted.
        const Text cell =
            c == 0 && numbered ? RowNumberText(list_.Columns().captions.at(0), list_.ListCount(), row) : Text(record.Cell(c));
        if (cell.empty()) continue;
        if (!name.empty()) name += u", ";
        name += cell;
    }
    return name;
}

Text AccessibilityModel::Name(const AccessibleElement& e) const {
    switch (e.part) {
    case AccessiblePart::List: {
        Text name = list_.AmbientDisplayName();
        return name.empty() ? kListName : name;
    }
    case AccessiblePart::Header: return kHeaderName;
    case AccessiblePart::HeaderCell: return WithoutSortMarker(list_.Columns().captions.at(e.index));
    case AccessiblePart::Row: return RowName(e.index);
    case AccessiblePart::Bar: return kBarName;
    case AccessiblePart::BarPart: {
        const BarPartInfo* info = FindBarPart(e.index);
        return info ? Text(info->name) : Text();
    }
    }
    return Text();
}

Text AccessibilityModel::Description(const AccessibleElement& e) const {
    switch (e.part) {
    case AccessiblePart::HeaderCell: {
        const Text& caption = list_.Columns().captions.at(e.index);
        if (EndsWith(caption, kSortUp)) return u"sorted ascending";
        if (EndsWith(caption, kSortDown)) return u"sorted descending";
        return Text();
    }
    case AccessiblePart::Row: return e.index == list_.PlayIndex() ? u"play row" : Text();
    case AccessiblePart::Bar:
        return u"minimum " + DecimalText(list_.Bar().Min()) + u", maximum " + DecimalText(list_.Bar().Max());
    default: return Text();
    }
}

Text AccessibilityModel::Value(const AccessibleElement& e) const {
    return e.part == AccessiblePart::Bar ? DecimalText(list_.Bar().Value()) : Text();
}

Text AccessibilityModel::DefaultAction(const AccessibleElement& e) const {
    switch (e.part) {
    case AccessiblePart::Row: return kPlayAction;
    case AccessiblePart::HeaderCell: return SortableByClick(e.index) ? kSortAction : Text();
    case AccessiblePart::BarPart:
        // What a press on an arrow or a page area does, while a press can reach it.
        if (e.index == static_cast<int16_t>(ScrollPart::Thumb) || !list_.Bar().Visible() || !list_.Bar().Enabled())
            return Text();
        return Name(e);
    default: return Text();
    }
}

bool AccessibilityModel::SortableByClick(int16_t column) const {
    // An empty list ignores header clicks. Otherwise a cell sorts when a
    // press can land on it: the mouse keeps two pixels at either edge for the
    // borders, and the part of the band under the scroll bar is the bar's.
    if (list_.ListCount() == 0) return false;
    const Rect pressable = Geometry().PressableCell(column);
    return pressable.left < pressable.right;
}

AccessibleState AccessibilityModel::State(const AccessibleElement& e, bool listHasFocus) const {
    AccessibleState s;
    switch (e.part) {
    case AccessiblePart::List:
        s.focusable = true;
        s.focused = listHasFocus;
        break;
    case AccessiblePart::Header: break;
    case AccessiblePart::HeaderCell:
        s.offscreen = Location(e).left >= Location({AccessiblePart::Header, -1}).right;
        break;
    case AccessiblePart::Row: {
        s.focusable = s.selectable = true;
        s.selected = e.index == list_.ListIndex();
        s.focused = s.selected && listHasFocus;
        s.checked = list_.Look().CheckBox != kFalse && list_.Rows().at(e.index).Checked != kFalse;
        // The painter's bounds: nothing above the top row, nothing from the
        // client's last pixel line down.
        s.offscreen = e.index < list_.FirstIndex() || Geometry().BelowClient(Location(e).top);
        break;
    }
    case AccessiblePart::Bar:
        s.invisible = !list_.Bar().Visible();
        s.unavailable = !list_.Bar().Enabled();
        break;
    case AccessiblePart::BarPart: return BarPartState(e.index);
    }
    return s;
}

AccessibleState AccessibilityModel::BarPartState(int16_t part) const {
    const ucScrollbar& bar = list_.Bar();
    const BarInputState& input = bar.Input();
    const ScrollPart p = static_cast<ScrollPart>(part);
    AccessibleState s;
    // An empty page area (the thumb at that end) is not there to see.
    s.invisible = !bar.Visible() || IsRectEmpty(PartRect(bar.Layout(), p));
    s.pressed = input.Pressed(p);
    const bool atMin = bar.Value() <= bar.Min(), atMax = bar.Value() >= bar.Max();
    const bool up = p == ScrollPart::Button1 || p == ScrollPart::Track1;
    const bool down = p == ScrollPart::Button2 || p == ScrollPart::Track2;
    s.unavailable = !bar.Enabled() || (up && atMin) || (down && atMax) || (p == ScrollPart::Thumb && atMin && atMax);
    return s;
}

Rect AccessibilityModel::Location(const AccessibleElement& e) const {
    const ListGeometry g = Geometry();
    const ucScrollbar& bar = list_.Bar();
    switch (e.part) {
    case AccessiblePart::List: return Rect{0, 0, width_, height_};
    case AccessiblePart::Header: return g.HeaderBand();
    case AccessiblePart::HeaderCell: return g.HeaderCellBox(e.index);
    case AccessiblePart::Row: return g.RowBox(e.index);
    case AccessiblePart::Bar: return OnList(bar, Rect{0, 0, bar.Width(), bar.Height()});
    case AccessiblePart::BarPart: return OnList(bar, PartRect(bar.Layout(), static_cast<ScrollPart>(e.index)));
    }
    return Rect{};
}

bool AccessibilityModel::HitTest(int32_t x, int32_t y, AccessibleElement& out) const {
    if (!PtInRect(Rect{0, 0, width_, height_}, x, y)) return false;
    if (list_.Bar().Visible() && PtInRect(Location({AccessiblePart::Bar, -1}), x, y)) {
        const ucScrollbar& bar = list_.Bar();
        const ScrollPart part = BarHitTest(bar.Layout(), x - bar.Left(), y - bar.Top());
        out = part == ScrollPart::None ? AccessibleElement{AccessiblePart::Bar, -1}
                                       : AccessibleElement{AccessiblePart::BarPart, static_cast<int16_t>(part)};
        return true;
    }
    // The mouse's hit test: its click band is the header, cut into cells as a
    // drag's drop target is.
    const ListHit hit = Geometry().HitTest(x, y);
    if (hit.header) {
        out = hit.cell ? AccessibleElement{AccessiblePart::HeaderCell, *hit.cell}
                       : AccessibleElement{AccessiblePart::Header, -1};
    } else {
        out = list_.ListCount() > 0 && hit.OnRow(list_.ListCount())
                  ? AccessibleElement{AccessiblePart::Row, static_cast<int16_t>(hit.row)}
                  : AccessibleElement{AccessiblePart::List, -1};
    }
    return true;
}

}  // namespace mirelo
