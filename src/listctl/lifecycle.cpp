// Creation, the run-mode setup and termination.
#include "listctl/bar_events.h"
#include "listctl/header_events.h"
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

}  // namespace

MireloList::MireloList(const ListPorts& ports)
    : ports_(ports),
      surface_(ports.surface),
      headerEvents_(std::make_unique<HeaderEvents>(*this)),
      header_(*headerEvents_, ports.splitter, ports.picBack, ports.cursors) {
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
    Brushes[kDropTargetBrush].Rebuild(ports_.gdi, kDropTargetColor);
    surface_.SetBackColor(kInitialBack);
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

void MireloList::RunModeSetup() {
    // Hosts that create the control at run time without a stored state get
    // the same control as one loaded from a form.
    if (runModeReady_ || !ports_.site.UserMode()) return;
    runModeReady_ = true;
    HookOwnWindow();
    PlayIcon = std::make_unique<ClsIcon>();
    PlayIcon->LoadFromData(ports_.resources.LoadCustom(u"PLAYICON", u"TCICON"));
}

}  // namespace mirelo
