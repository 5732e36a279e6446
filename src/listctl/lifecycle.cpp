// Creation, the two initialisation paths, saving and termination.
#include <exception>

#include "base/error.h"
#include "listctl/bar_events.h"
#include "listctl/mirelo_list.h"
#include "render/cls_icon.h"
#include "subclass/hook_table.h"

namespace mirelo {

namespace {

constexpr OleColor kDropTargetColor = Rgb(123, 166, 33);
constexpr OleColor kInitialBack = Rgb(255, 255, 247);
constexpr int32_t kBarThickness = 17;  // the scroll bar skins are 17 pixels thick

// The scroll bar's design data holds no entries: every read gives its default.
class EmptyBag : public PropertyBag {
public:
    Variant ReadProperty(const Text&, const Variant& def) override { return def; }
    void WriteProperty(const Text&, const Variant&, const Variant&) override {}
    FontDesc ReadFont(const Text&, const FontDesc& def) override { return def; }
    void WriteFont(const Text&, const FontDesc&) override {}
};

OleColor ReadColor(PropertyBag& bag, const char16_t* key, OleColor current) {
    Variant v = bag.ReadProperty(key, Variant(static_cast<int32_t>(current)));
    return static_cast<OleColor>(v.ToInt32());
}

Bool16 ReadBool(PropertyBag& bag, const char16_t* key, Bool16 current) {
    return ToBool16(bag.ReadProperty(key, Variant::FromBool(current != 0)).ToBool());
}

void WriteColor(PropertyBag& bag, const char16_t* key, OleColor c) {
    bag.WriteProperty(key, Variant(static_cast<int32_t>(c)), Variant::Missing());
}

void WriteBool(PropertyBag& bag, const char16_t* key, Bool16 b) {
    bag.WriteProperty(key, Variant::FromBool(b != 0), Variant::Missing());
}

}  // namespace

MireloList::MireloList(const ListPorts& ports) : ports_(ports), surface_(ports.surface) {
    // Child controls come from the design data first: the scroll bar with all
    // its defaults, at the thickness of its skins.
    ucBar = std::make_unique<ucScrollbar>(ports_.gdi);
    barEvents_ = std::make_unique<BarEvents>(*this);
    ucBar->SetEvents(barEvents_.get());
    EmptyBag design;
    ucBar->ReadProperties(design, ports_.site);
    ucBar->Move(0, 0, kBarThickness, surface_.ScaleHeight());

    CheckImages = ports_.gdi.CreateMemDC();
    CheckImages->CreateFromResource(u"CHK");
    Brushes[6].Rebuild(ports_.gdi, kDropTargetColor);
    BarWidthCol_ = 1;
    SuppressPaint_ = kFalse;
    AltPhase_ = kFalse;
    ListIndex_ = -1;
    PlayIndex_ = -1;
    surface_.SetBackColor(kInitialBack);
    CursorKind_ = 0;
    OnResize();
}

MireloList::~MireloList() {
    // Errors in one step must not stop the next: the host is tearing us down.
    try { UnhookAll(); } catch (...) {}
    Items.clear();
    for (auto& b : Brushes) b.Free();
    PlayIcon.reset();
    CheckImages.reset();
    if (ucBar) ucBar->SetEvents(nullptr);
}

void MireloList::BuildBrushes() {
    Brushes[0].Rebuild(ports_.gdi, ItemBkColor1_);
    Brushes[1].Rebuild(ports_.gdi, ItemBkColor2_);
    Brushes[2].Rebuild(ports_.gdi, ItemSelBkColor_);
    Brushes[3].Rebuild(ports_.gdi, surface_.BackColor());
    Brushes[4].Rebuild(ports_.gdi, HeaderBackColor_);
    Brushes[5].Rebuild(ports_.gdi, 0);
}

void MireloList::InitProperties() {
    ItemBkColor2_ = 16447210;
    ItemBkColor1_ = 0xFFFFFF;
    ItemSelTextColor_ = 0xFFFFFF;
    ItemSelBkColor_ = 13407330;
    ItemNorTextColor_ = 9396556;
    ItemPlyTextColor_ = 1226579;
    ItemErrTextColor_ = 255;
    Border_ = kTrue;
    BorderColor_ = 12821368;
    ItemHeight_ = 16;
    HeaderBackColor_ = 14603213;
    YnNeedNumCol_ = kTrue;
    CheckBox_ = kFalse;
    bSeleArrow_ = kTrue;
    // A new instance paints with real brushes from the start.
    BuildBrushes();
    RunModeSetup();
}

void MireloList::ReadProperties(PropertyBag& bag) {
    surface_.SetBackColor(ReadColor(bag, u"BackColor", surface_.BackColor()));
    surface_.SetFont(bag.ReadFont(u"Font", surface_.Font()));
    CheckBox_ = ReadBool(bag, u"CheckBox", CheckBox_);
    int32_t height = bag.ReadProperty(u"ItemHeight", Variant(ItemHeight_)).ToInt32();
    // A stored height that cannot be laid out reads as the default.
    ItemHeight_ = height > 0 ? height : 16;
    ItemBkColor1_ = ReadColor(bag, u"ItemBkColor1", ItemBkColor1_);
    ItemBkColor2_ = ReadColor(bag, u"ItemBkColor2", ItemBkColor2_);
    ItemSelBkColor_ = ReadColor(bag, u"ItemSelBkColor", ItemSelBkColor_);
    ItemNorTextColor_ = ReadColor(bag, u"ItemNorTextColor", ItemNorTextColor_);
    ItemSelTextColor_ = ReadColor(bag, u"ItemSelTextColor", ItemSelTextColor_);
    ItemPlyTextColor_ = ReadColor(bag, u"ItemPlyTextColor", ItemPlyTextColor_);
    ItemErrTextColor_ = ReadColor(bag, u"ItemErrTextColor", ItemErrTextColor_);
    HeaderBackColor_ = ReadColor(bag, u"HeaderBackColor", HeaderBackColor_);
    YnNeedNumCol_ = ReadBool(bag, u"YnNeedNumCol", YnNeedNumCol_);
    Border_ = ReadBool(bag, u"Border", Border_);
    BorderColor_ = ReadColor(bag, u"BorderColor", BorderColor_);
    int16_t pen = bag.ReadProperty(u"BorderWidth", Variant(surface_.DrawWidth())).ToInt16();
    surface_.SetDrawWidth(pen);
    bSeleArrow_ = ToBool16(bag.ReadProperty(u"bSeleArrow", Variant(int16_t{1})).ToBool());

    BuildBrushes();
    PlaceScrollBar();
    RunModeSetup();
}

void MireloList::RunModeSetup() {
    // Hosts that create the control at run time without a stored state get
    // the same control as one loaded from a form.
    if (runModeReady_ || !ports_.site.UserMode()) return;
    runModeReady_ = true;
    HookOwnWindow();
    PlayIcon = std::make_unique<ClsIcon>();
    PlayIcon->LoadFromData(ports_.resources.LoadCustom(u"PLAYICON", u"TCICON"));
}

void MireloList::WriteProperties(PropertyBag& bag) {
    WriteColor(bag, u"BackColor", surface_.BackColor());
    bag.WriteFont(u"Font", surface_.Font());
    bag.WriteProperty(u"ItemHeight", Variant(ItemHeight_), Variant::Missing());
    WriteColor(bag, u"ItemBkColor1", ItemBkColor1_);
    WriteColor(bag, u"ItemBkColor2", ItemBkColor2_);
    WriteColor(bag, u"ItemSelBkColor", ItemSelBkColor_);
    WriteColor(bag, u"ItemNorTextColor", ItemNorTextColor_);
    WriteColor(bag, u"ItemSelTextColor", ItemSelTextColor_);
    WriteColor(bag, u"ItemPlyTextColor", ItemPlyTextColor_);
    WriteColor(bag, u"ItemErrTextColor", ItemErrTextColor_);
    WriteColor(bag, u"HeaderBackColor", HeaderBackColor_);
    WriteBool(bag, u"YnNeedNumCol", YnNeedNumCol_);
    WriteBool(bag, u"Border", Border_);
    WriteColor(bag, u"BorderColor", BorderColor_);
    bag.WriteProperty(u"BorderWidth", Variant(surface_.DrawWidth()), Variant::Missing());
    WriteBool(bag, u"CheckBox", CheckBox_);
    // The default handed along is the integer 1, which a stored Boolean never
    // equals, so the key is written even by bags that skip defaults.
    bag.WriteProperty(u"bSeleArrow", Variant::FromBool(bSeleArrow_ != 0), Variant(int16_t{1}));
}

}  // namespace mirelo
