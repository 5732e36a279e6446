#pragma once
// The MireloList control object: the host-facing surface (properties,
// methods, events, persistence) over the parts it owns: rows, columns, the
// scroll bar, the painter (render/list_painter.h), the gestures under way
// (listctl/gestures.h). Where things lie is computed by its Geometry()
// (geometry/list_geometry.h); operations live in files by concept.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

#include "base/color.h"
#include "base/error.h"
#include "base/numeric.h"
#include "base/text.h"
#include "base/variant.h"
#include "columns/column_model.h"
#include "geometry/list_geometry.h"
#include "header/header_input.h"
#include "listctl/accessibility_events.h"
#include "listctl/events.h"
#include "listctl/item_record.h"
#include "listctl/list_property.h"
#include "platform/cursor.h"
#include "platform/font.h"
#include "platform/gdi.h"
#include "platform/memdc.h"
#include "platform/picture_box.h"
#include "platform/property_bag.h"
#include "platform/resources.h"
#include "platform/site.h"
#include "platform/surface.h"
#include "platform/timers.h"
#include "platform/window_proc.h"
#include "render/captions.h"
#include "render/list_look.h"
#include "render/list_painter.h"
#include "scrollbar/uc_scrollbar.h"
#include "subclass/hook_owner.h"

namespace mirelo {

class ClsIcon;
class HookTable;

// The platform the control runs on. All references outlive the control.
struct ListPorts {
    Surface& surface;
    Gdi& gdi;
    Site& site;
    Resources& resources;
    AboutWindow& about;
    // Present while the control has a real window; without them the list
    // works the same, it only sees no wheel and needs no deferred repaint.
    WindowProcPort* hooks = nullptr;
    Timers* timers = nullptr;
    // The column-border gestures' two picture boxes and the pointer shapes;
    // without them borders still drag and headers still exchange and sort.
    PictureBox* splitter = nullptr;  // `Splitter`: border marker, then the drag line
    PictureBox* picBack = nullptr;   // still picture of the control during a border drag
    CursorShapes* cursors = nullptr;
};

constexpr int32_t kTimer1Id = 1;  // the one-shot repaint timer on the control's window
constexpr int32_t kWmMouseWheel = 522;


class MireloList : public HookOwner {
public:
    // Creation: runs the initialize handler (check images, brushes, state,
    // resize handling). Then exactly one of InitProperties / ReadProperties.
    explicit MireloList(const ListPorts& ports);
    ~MireloList() override;  // termination
    MireloList(const MireloList&) = delete;
    MireloList& operator=(const MireloList&) = delete;

    void SetEvents(MireloListEvents* sink) { events_ = sink; }
    void SetAccessibilityEvents(AccessibilityEvents* sink) { access_ = sink; }

    // Persistence: every persisted or notified property, one row each
    // (property_table.cpp).
    static const std::array<ListProperty, 19> kProperties;
    void InitProperties();
    void ReadProperties(PropertyBag& bag);
    void WriteProperties(PropertyBag& bag);
    void AmbientChanged();

    // The persisted look, read in place. Each field is set through its row
    // in kProperties: stored, told to the host, its brush rebuilt and
    // repainted as the row says. Most skip an unchanged value; CheckBox and
    // bSeleArrow deliberately do not. A row height below 1 is error 380.
    const ListLook& Look() const { return look_; }
    template <class V>
    void SetLook(V ListLook::*field, typename std::common_type<V>::type v) {
        const ListProperty& p = RowOf(field);
        if constexpr (std::is_same_v<V, int32_t>) {
            // Every row computation divides by the height: refuse what cannot be laid out.
            if (v <= 0) Raise(kInvalidPropertyValue);
        }
        if (!p.always && look_.*field == v) return;
        look_.*field = v;
        Changed(p);
    }

    // Properties of the list's own.
    int32_t hWnd() const;
    int32_t ListCount() const { return static_cast<int32_t>(Items.size()); }
    int16_t IndexFromPoint(const Variant& X, const Variant& Y);
    OleColor BackColor() const;
    void SetBackColor(OleColor v);
    const FontDesc& Font() const;
    void SetFont(const FontDesc& f);      // property put: full repaint
    void SetFontRef(const FontDesc& f);   // property putref: list repaint
    int32_t BorderWidth() const;
    void SetBorderWidth(int32_t v);
    int16_t ListIndex() const { return ListIndex_; }
    void SetListIndex(int16_t v);
    int16_t PlayIndex() const { return PlayIndex_; }
    void SetPlayIndex(int16_t v);
    int16_t FirstIndex() const { return FirstIndex_; }
    int16_t LastIndex() const;
    Text item(int16_t Index, int16_t nCol) const;
    void Setitem(int16_t Index, int16_t nCol, const Text& value);
    int16_t ItemId(int16_t Index) const;
    void SetItemId(int16_t Index, int16_t value);

    // Methods.
    Variant AddItemA(const Variant& nColNumCount, const Variant& sHeadCaption, const Variant& nColWidth,
                     const Variant& nAlign);
    Variant ResizeHead();
    int32_t AddItem(const Variant& Title, Text& Key, const Variant& Index, const Variant& Id);
    int32_t RemoveItem(int16_t Index);
    void Clear();
    Text GetCheckItemId() const;
    int32_t GetSelectId() const { return PlayIndex_; }
    void SetCheckItem(int32_t& Index, Bool16& bCheck);
    void SetCheckAllItem(Bool16& bCheck);
    void SetItemData(int32_t& Index, Text& sT);
    void UpdateItem(Text& Key, Text& sT);
    int32_t RemoveKeyItem(const Text& Key);
    void RemoveCheckItems();
    void Refresh();
    void About();
    // What assistive technology may do to a row: the mouse's change protocol
    // (wFlag 0), so the host hears and may redirect it as from a click.
    void SelectRow(int16_t row);
    void PlayRow(int16_t row);
    // A click on a shown column's header cell, released where it was pressed.
    void SortByHeader(int16_t column);

    // Notifications from the platform (the form runtime's events).
    void OnResize();  // the resize handling; also run once at creation
    void OnPaint();   // the paint handler: PaintAll unless a border drag suppresses it
    void OnMouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void OnMouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void OnMouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void OnClick();
    void OnDblClick();
    void OnKeyDown(int16_t KeyCode, int16_t Shift);
    void OnTimer1();
    void OnMouseWheel(int32_t wParam);
    // The platform made the control's window, or is taking it down: in run
    // mode the wheel hook follows the window.
    void WindowCreated();
    void WindowDestroying();

    // The message hook callback: the list subscribes the wheel on its window.
    void zSubclass_Proc(bool bBefore, Bool16& bHandled, int32_t& lReturn, int32_t& hWnd, int32_t& uMsg,
                        int32_t& wParam, int32_t& lParam) override;

    // The child scroll bar, reachable by the platform for its window.
    ucScrollbar& Bar() { return *ucBar; }
    const ucScrollbar& Bar() const { return *ucBar; }

    // Read access for the accessibility model, the platform and tests.
    const RowStore& Rows() const { return Items; }
    const ColumnModel& Columns() const { return columns_; }
    int32_t RowAreaHeight() const { return RowAreaHeight_; }
    Bool16 AltPhase() const { return AltPhase_; }
    BrushHandle Brush(int i) const { return Brushes.at(i).handle(); }
    // The header band's gestures; the platform hands it the border marker's
    // own mouse notifications and the loss of the pointer.
    HeaderInput& Header() { return header_; }
    Text AmbientDisplayName() const { return ports_.site.DisplayName(); }
    // Where everything lies now: what the painter, the hit tests and the
    // accessibility model all read.
    ListGeometry Geometry() const;

    // Layout and painting (shared by the host calls and the interaction code).
    void UpdateLayout();
    void PlaceScrollBar();
    void PaintRow(int16_t index);
    void PaintList();
    void PaintHeader();
    void PaintAll();

private:
    class BarEvents;
    friend class BarEvents;
    class HeaderEvents;
    friend class HeaderEvents;

    void Changed(const ListProperty& p);
    static const ListProperty& RowOf(PropertyField field);
    static const ListProperty& RowOf(PropertyType surfaceType);
    OleColor ColourOf(const ListProperty& p) const;
    Variant Stored(const ListProperty& p) const;  // the value as the bag holds it
    void Load(const ListProperty& p, const Variant& v);
    bool IsValidIndex(int32_t i) const;
    void BuildBrushes();
    void RunModeSetup();
    void HookOwnWindow();
    void UnhookAll();
    void SetTimer1(bool enabled);
    void RecordLayoutLastIndex();
    // After rows went: the play row's mark goes with row `index` (-1: none),
    // then layout, repaint, and the new count.
    int32_t RowsRemoved(int index);
    void ChangeIndex(bool play, int16_t OldIndex, int16_t& NewIndex, int16_t wFlag);
    void ScrollHandling();
    void SetPropertyIndex(bool play, int16_t& v);
    void SortOrExchange(int16_t target, int16_t source);
    void SortByColumn(int16_t s);

    // What the painter reads, and the row metrics a row paint leaves behind
    // (false, and nothing recorded, where no row can be painted).
    ListView View(const ListGeometry& g) const;
    bool TakeRowMetrics(const ListGeometry& g);
    void DrawRow(const ListView& v, int16_t index);  // row `index`, known to be in view

    ListPorts ports_;
    Surface& surface_;
    MireloListEvents* events_ = nullptr;
    AccessibilityEvents* access_ = nullptr;  // present while a window answers for the list

    ListLook look_;  // only the property table and the setters change it after loading

    // Rows.
    RowStore Items;
    int16_t ListIndex_ = -1;   // selected row
    int16_t PlayIndex_ = -1;   // row made current by double-click
    int16_t FirstIndex_ = 0;   // top visible row (the bar's Value)
    // Bottom visible row as last computed, kept because hosts see when it was
    // computed: set by the resize handling and ItemHeight (RecordLayoutLastIndex,
    // before the new layout), by every row paint (PaintedLastIndex) and by
    // Clear (0). The LastIndex property, the arrow keys and setting ListIndex or
    // PlayIndex read it as it stands; may lie past the last row.
    int16_t LastIndex_ = 0;

    ColumnModel columns_;
    // The row area below the header, pixels, as the last layout or row paint
    // measured it. Kept because the next LastIndex is taken from it before
    // the new layout (RecordLayoutLastIndex), and the wheel's step counts it.
    int32_t RowAreaHeight_ = 0;
    int32_t LastWidth_ = 0, LastHeight_ = 0;  // surface size after the last resize handling

    // Painting.
    std::array<OwnedBrush, kBrushCount> Brushes;  // by BrushSlot
    std::unique_ptr<MemDC> CheckImages; // "CHK": empty box, play arrow, checked box
    std::unique_ptr<ClsIcon> PlayIcon;  // "PLAYICON", run mode only
    Bool16 AltPhase_ = kFalse;          // flipped per scroll so row colours follow the rows
    ListPainter painter_{surface_};

    // Interaction.
    // The last mouse-down's button, shift state and place (client pixels):
    // Click and DblClick report them, and the double-click plays that row.
    int16_t LastButton_ = 0, LastShift_ = 0;
    float LastX_ = 0, LastY_ = 0;
    std::unique_ptr<HeaderEvents> headerEvents_;
    HeaderInput header_;

    bool runModeReady_ = false;
    std::unique_ptr<HookTable> hooks_;

    // The child scroll bar and the adapter that receives its events.
    std::unique_ptr<BarEvents> barEvents_;
    std::unique_ptr<ucScrollbar> ucBar;
};

}  // namespace mirelo
