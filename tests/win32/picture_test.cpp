// The control's picture as an Office document, the clipboard and drag and
// drop take it: metafiles from IDataObject that show what the window shows,
// the formats it offers, sinks told when the picture changes, and another
// process reading it from the clipboard.
#include <gtest/gtest.h>

#include <cstdlib>

#include "test_container.h"

namespace mltest {
namespace {

constexpr int kWidth = 202, kHeight = 151;

FORMATETC Format(CLIPFORMAT format, DWORD tymed) { return {format, nullptr, DVASPECT_CONTENT, -1, tymed}; }

// Plays the picture a medium holds into `buffer`'s whole area.
void Play(const STGMEDIUM& medium, PixelBuffer& buffer) {
    RECT all = {0, 0, buffer.width(), buffer.height()};
    if (medium.tymed == TYMED_ENHMF) {
        PlayEnhMetaFile(buffer.dc(), medium.hEnhMetaFile, &all);
        return;
    }
    auto* pict = static_cast<METAFILEPICT*>(GlobalLock(medium.hMetaFilePict));
    const int saved = SaveDC(buffer.dc());
    SetMapMode(buffer.dc(), pict->mm);
    SetViewportExtEx(buffer.dc(), buffer.width(), buffer.height(), nullptr);
    PlayMetaFile(buffer.dc(), pict->hMF);
    RestoreDC(buffer.dc(), saved);
    GlobalUnlock(medium.hMetaFilePict);
}

int Differing(const PixelBuffer& picture, const std::vector<COLORREF>& screen) {
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) n += picture.At(x, y) != screen[y * kWidth + x];
    return n;
}

TEST(Picture, MetafilesPlayBackAsTheWindowShowsTheControl) {
    HostedControl host;
    ASSERT_TRUE(host.ok()) << host.failure();
    ASSERT_TRUE(Fill(host.dispatch(), L"No.,Title,Artist", L"40,90,70", {L"1,one,a", L"2,two,b", L"3,three,c"}));
    Put(host.dispatch(), L"ListIndex", Var::I2(1));
    RedrawWindow(host.controlWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const std::vector<COLORREF> screen = ScreenPicture(host.controlWindow());
    ASSERT_EQ(screen.size(), size_t(kWidth * kHeight));
    ComPtr<IDataObject> data = ComPtr<IUnknown>(host.control()).As<IDataObject>(IID_IDataObject);
    ASSERT_TRUE(data);
    for (FORMATETC format : {Format(CF_ENHMETAFILE, TYMED_ENHMF), Format(CF_METAFILEPICT, TYMED_MFPICT)}) {
        SCOPED_TRACE(format.cfFormat == CF_ENHMETAFILE ? "enhanced metafile" : "metafile picture");
        STGMEDIUM medium = {};
        ASSERT_EQ(data->GetData(&format, &medium), S_OK);
        EXPECT_EQ(medium.tymed, format.tymed);
        PixelBuffer picture(kWidth, kHeight);
        Play(medium, picture);
        EXPECT_EQ(Differing(picture, screen), 0);
        ReleaseStgMedium(&medium);
    }
}

TEST(Picture, OffersExactlyTheFormatsItRenders) {
    ComPtr<IDataObject> data = NewControl().As<IDataObject>(IID_IDataObject);
    ASSERT_TRUE(data);
    ComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, formats.Out()), S_OK);
    FORMATETC f;
    int offered = 0;
    while (formats->Next(1, &f, nullptr) == S_OK) {
        ++offered;
        EXPECT_EQ(data->QueryGetData(&f), S_OK) << f.cfFormat;
        STGMEDIUM medium = {};
        EXPECT_EQ(data->GetData(&f, &medium), S_OK) << f.cfFormat;
        ReleaseStgMedium(&medium);
    }
    EXPECT_EQ(offered, 2);

    struct Case {
        const char* what;
        FORMATETC format;
        HRESULT answer;
    } cases[] = {
        {"text", Format(CF_TEXT, TYMED_HGLOBAL), DV_E_FORMATETC},
        {"a metafile in global memory", Format(CF_ENHMETAFILE, TYMED_HGLOBAL), DV_E_TYMED},
        {"an icon", {CF_ENHMETAFILE, nullptr, DVASPECT_ICON, -1, TYMED_ENHMF}, DV_E_DVASPECT},
        {"a page of it", {CF_ENHMETAFILE, nullptr, DVASPECT_CONTENT, 2, TYMED_ENHMF}, DV_E_LINDEX},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(data->QueryGetData(&c.format), c.answer);
        STGMEDIUM medium = {};
        EXPECT_EQ(data->GetData(&c.format, &medium), c.answer);
        EXPECT_EQ(medium.tymed, DWORD(TYMED_NULL));
    }
}

class ChangeSink : public IAdviseSink {
public:
    int data = 0, view = 0;
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IAdviseSink ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP_(void) OnDataChange(FORMATETC*, STGMEDIUM*) override { ++data; }
    STDMETHODIMP_(void) OnViewChange(DWORD, LONG) override { ++view; }
    STDMETHODIMP_(void) OnRename(IMoniker*) override {}
    STDMETHODIMP_(void) OnSave() override {}
    STDMETHODIMP_(void) OnClose() override {}
};

// A document showing the control's picture refreshes it when told, and only then.
TEST(Picture, SinksHearWhenThePictureChanges) {
    ComPtr<IDispatch> d = NewDispatch();
    ASSERT_TRUE(d);
    ComPtr<IDataObject> data = d.As<IDataObject>(IID_IDataObject);
    ChangeSink sink;
    FORMATETC format = Format(CF_ENHMETAFILE, TYMED_ENHMF);
    DWORD cookie = 0;
    ASSERT_EQ(data->DAdvise(&format, ADVF_NODATA, &sink, &cookie), S_OK);
    ASSERT_EQ(d.As<IViewObject>(IID_IViewObject)->SetAdvise(DVASPECT_CONTENT, 0, &sink), S_OK);
    Fill(d.Get(), L"A,B", L"60,60", {});
    sink.data = sink.view = 0;

    struct Step {
        const char* what;
        std::function<void()> call;
        int told;
    } steps[] = {
        {"a row added", [&] { Method(d.Get(), L"AddItem", {Var::Str(L"a,b")}); }, 1},
        {"a colour changed", [&] { Put(d.Get(), L"ItemBkColor1", Var::I4(0x123456)); }, 1},
        {"a count read", [&] { Get(d.Get(), L"ListCount"); }, 0},
        {"the picture taken", [&] {
             STGMEDIUM m = {};
             data->GetData(&format, &m);
             ReleaseStgMedium(&m);
         }, 0},
        {"a removal refused", [&] { Method(d.Get(), L"RemoveItem", {Var::I2(7)}); }, 0},
    };
    for (Step& s : steps) {
        const int before = sink.data;
        s.call();
        EXPECT_EQ(sink.data - before, s.told) << s.what;
        EXPECT_EQ(sink.view, sink.data) << s.what;
    }
    EXPECT_EQ(data->DUnadvise(cookie), S_OK);
    Method(d.Get(), L"Clear");
    EXPECT_EQ(sink.data, 2);
    d.As<IViewObject>(IID_IViewObject)->SetAdvise(DVASPECT_CONTENT, 0, nullptr);
}

// The reader: started by the test below as a process of its own.
TEST(Picture, ClipboardReader) {
    if (!std::getenv("MIRELO_CLIPBOARD_READER")) GTEST_SKIP() << "run by Picture.ClipboardOfferGoesToAnotherProcess";
    ComPtr<IDataObject> data;
    ASSERT_EQ(OleGetClipboard(data.Out()), S_OK);
    FORMATETC format = Format(CF_ENHMETAFILE, TYMED_ENHMF);
    STGMEDIUM medium = {};
    ASSERT_EQ(data->GetData(&format, &medium), S_OK);
    PixelBuffer picture(kWidth, kHeight);
    Play(medium, picture);
    ReleaseStgMedium(&medium);
    // What the writer drew: the border, the header band, the back colour.
    EXPECT_EQ(picture.At(0, 0), RGB(120, 163, 195));
    EXPECT_EQ(picture.At(150, 8), RGB(205, 211, 222));
    EXPECT_EQ(picture.At(100, 100), RGB(255, 255, 247));
}

TEST(Picture, ClipboardOfferGoesToAnotherProcess) {
    if (std::getenv("MIRELO_CLIPBOARD_READER")) GTEST_SKIP();
    ComPtr<IDataObject> data = NewControl().As<IDataObject>(IID_IDataObject);
    ASSERT_TRUE(data);
    ASSERT_EQ(OleSetClipboard(data.Get()), S_OK);

    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(exe) + L"\" --gtest_filter=Picture.ClipboardReader";
    SetEnvironmentVariableW(L"MIRELO_CLIPBOARD_READER", L"1");
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION process = {};
    const BOOL started =
        CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process);
    SetEnvironmentVariableW(L"MIRELO_CLIPBOARD_READER", nullptr);
    ASSERT_TRUE(started);
    // The reader's request for the picture comes back here as a message.
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 30000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        PumpMessages();
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    OleSetClipboard(nullptr);
    EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace mltest
