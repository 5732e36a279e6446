// The type library as object browsers, compilers and property browsers read
// it: dispatch identifiers, property kinds, parameters, the event interface,
// help strings (the Chinese ones in their own code page) and the categories
// the control gives its properties.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "com_support.h"
#include "server/categorize_properties.h"

namespace mltest {
namespace {

// The members of a type: name -> (id, set of INVOKEKINDs).
struct Member {
    MEMBERID id = 0;
    std::set<int> kinds;
    const FUNCDESC* desc = nullptr;
};

class TypeInfoView {
public:
    explicit TypeInfoView(ITypeInfo* info) : info_(info) {
        TYPEATTR* attr = nullptr;
        info_->GetTypeAttr(&attr);
        count_ = attr->cFuncs;
        kind_ = attr->typekind;
        flags_ = attr->wTypeFlags;
        info_->ReleaseTypeAttr(attr);
        for (UINT i = 0; i < count_; ++i) {
            FUNCDESC* fd = nullptr;
            info_->GetFuncDesc(i, &fd);
            BSTR name = nullptr;
            info_->GetDocumentation(fd->memid, &name, nullptr, nullptr, nullptr);
            Member& m = members_[std::wstring(name, SysStringLen(name))];
            SysFreeString(name);
            m.id = fd->memid;
            m.kinds.insert(fd->invkind);
            if (fd->invkind == INVOKE_FUNC || fd->invkind == INVOKE_PROPERTYGET) m.desc = fd;
            descs_.push_back(fd);
        }
    }
    ~TypeInfoView() {
        for (FUNCDESC* fd : descs_) info_->ReleaseFuncDesc(fd);
    }
    const std::map<std::wstring, Member>& members() const { return members_; }
    TYPEKIND kind() const { return kind_; }
    WORD flags() const { return flags_; }

private:
    ComPtr<ITypeInfo> info_;
    UINT count_ = 0;
    TYPEKIND kind_ = TKIND_MAX;
    WORD flags_ = 0;
    std::map<std::wstring, Member> members_;
    std::vector<FUNCDESC*> descs_;
};

ComPtr<ITypeInfo> InterfaceView(ITypeLib* lib) {
    ComPtr<ITypeInfo> dispatch, iface;
    lib->GetTypeInfoOfGuid(IID__MireloList, dispatch.Out());
    HREFTYPE href = 0;
    dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &href);
    dispatch->GetRefTypeInfo(href, iface.Out());
    return iface;
}

enum Access { kRead = 1, kWrite = 2, kWriteRef = 4, kCall = 8 };

// Every member of the interface as browsers, compilers and form designers
// read it: its dispatch identifier, how it is called, the category a
// property browser groups it under (none: the browser's own) and its help
// string (none: the run-time properties).
struct Expected {
    const wchar_t* name;
    MEMBERID id;
    int access;
    const wchar_t* category;
    const wchar_t* help;
};

const Expected kMembers[] = {
    {L"CheckBox", 0x68030019, kRead | kWrite, L"List", L"是否显示复选框"},
    {L"hWnd", 0x68030018, kRead, nullptr, nullptr},
    {L"ListCount", 0x68030017, kRead, nullptr, nullptr},
    {L"IndexFromPoint", 0x68030016, kRead, nullptr, nullptr},
    {L"BackColor", 0x68030015, kRead | kWrite, L"Skin", L"背景色"},
    {L"Font", 0x68030014, kRead | kWrite | kWriteRef, L"Skin", L"字体名称"},
    {L"ItemHeight", 0x68030013, kRead | kWrite, L"ListItem", L"行高"},
    {L"ItemBkColor1", 0x68030012, kRead | kWrite, L"ListItem", L"奇数行背景色"},
    {L"ItemBkColor2", 0x68030011, kRead | kWrite, L"ListItem", L"偶数行背景色"},
    {L"ItemSelBkColor", 0x68030010, kRead | kWrite, L"ListItem", L"被选取条目背景颜色"},
    {L"ItemNorTextColor", 0x6803000F, kRead | kWrite, L"ListItem", L"默认条目文本颜色"},
    {L"ItemSelTextColor", 0x6803000E, kRead | kWrite, L"ListItem", L"被选取文本颜色"},
    {L"HeaderBackColor", 0x6803000D, kRead | kWrite, L"List", L"标题背景色"},
    {L"YnNeedNumCol", 0x6803000C, kRead | kWrite, L"List", L"是否显示自动序号"},
    {L"ItemPlyTextColor", 0x6803000B, kRead | kWrite, L"ListItem", L"双击获得当前焦点文本颜色"},
    {L"ItemErrTextColor", 0x6803000A, kRead | kWrite, L"ListItem", L"错误文本颜色"},
    {L"Border", 0x68030009, kRead | kWrite, L"ListBorder", L"是否显示边框"},
    {L"BorderColor", 0x68030008, kRead | kWrite, L"ListBorder", L"边框颜色"},
    {L"BorderWidth", 0x68030007, kRead | kWrite, L"ListBorder", L"边框宽度"},
    {L"ListIndex", 0x68030006, kRead | kWrite, L"List", L"当前被选取行索引，从0计数"},
    {L"PlayIndex", 0x68030005, kRead | kWrite, L"List", L"当前双击获取焦点行索引,从0开始计数"},
    {L"FirstIndex", 0x68030004, kRead, nullptr, nullptr},
    {L"LastIndex", 0x68030003, kRead, nullptr, nullptr},
    {L"item", 0x68030002, kRead | kWrite, nullptr, nullptr},
    {L"ItemId", 0x68030001, kRead | kWrite, nullptr, nullptr},
    {L"bSeleArrow", 0x68030000, kRead | kWrite, L"List", L"是否显示选取箭头"},
    {L"AddItemA", 0x60030049, kCall, nullptr, L"Define columns: last column index; captions, widths, alignments"},
    {L"ResizeHead", 0x6003004A, kCall, nullptr, L"Fit the column widths to the width left of the scroll bar"},
    {L"AddItem", 0x6003004B, kCall, nullptr, L"Add a row of comma-separated cells; returns the row count"},
    {L"RemoveItem", 0x6003004C, kCall, nullptr, L"Remove row Index; returns the row count, or -1"},
    {L"Clear", 0x6003004D, kCall, nullptr, L"Remove every row"},
    {L"Refresh", 0x6003004E, kCall, nullptr, L"Repaint the control now"},
    {L"GetCheckItemId", 0x60030055, kCall, nullptr,
     L"Indexes of the checked rows, comma-separated; -1 without check boxes"},
    {L"GetSelectId", 0x60030056, kCall, nullptr, L"Index of the play row (the double-clicked row), or -1"},
    {L"SetCheckItem", 0x60030057, kCall, nullptr, L"Check or uncheck row Index"},
    {L"SetCheckAllItem", 0x60030058, kCall, nullptr, L"Check or uncheck every row"},
    {L"SetItemData", 0x60030059, kCall, nullptr, L"Set the cells of row Index from column 1 on, comma-separated"},
    {L"UpdateItem", 0x6003005A, kCall, nullptr, L"Set the cells from column 1 on of the first row with key Key"},
    {L"RemoveKeyItem", 0x6003005B, kCall, nullptr, L"Remove the first row with key Key; returns the row count, or -1"},
    {L"About", 0x6003005D, kCall, nullptr, L"Show the About box"},
    {L"RemoveCheckItems", 0x60030093, kCall, nullptr, L"Remove every checked row"},
    {L"zSubclass_Proc", 0x6003003B, kCall, nullptr, L"Window message hook of the control (internal)"},
};

std::string Narrow(const wchar_t* name) { return std::string(name, name + wcslen(name)); }

// The help string of a member, or of the type itself for MEMBERID_NIL.
std::wstring HelpOf(ITypeInfo* info, MEMBERID id) {
    BSTR text = nullptr;
    info->GetDocumentation(id, nullptr, &text, nullptr, nullptr);
    std::wstring out(text ? text : L"", text ? SysStringLen(text) : 0);
    SysFreeString(text);
    return out;
}

class TypeLibrary : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(lib); }
    ComPtr<ITypeLib> lib = Library();
};

TEST_F(TypeLibrary, EveryMemberHasItsDispatchIdentifierAccessAndHelp) {
    ComPtr<ITypeInfo> info = InterfaceView(lib.Get());
    TypeInfoView view(info.Get());
    EXPECT_EQ(view.members().size(), std::size(kMembers));  // 26 properties, 15 methods, the hook
    for (const Expected& e : kMembers) {
        SCOPED_TRACE(Narrow(e.name));
        auto it = view.members().find(e.name);
        ASSERT_NE(it, view.members().end());
        EXPECT_EQ(it->second.id, e.id);
        std::set<int> kinds;
        if (e.access & kRead) kinds.insert(INVOKE_PROPERTYGET);
        if (e.access & kWrite) kinds.insert(INVOKE_PROPERTYPUT);
        if (e.access & kWriteRef) kinds.insert(INVOKE_PROPERTYPUTREF);
        if (e.access & kCall) kinds.insert(INVOKE_FUNC);
        EXPECT_EQ(it->second.kinds, kinds);
        // The texts themselves read back only in their code page: HelpStringsReadBackInChineseCodePage.
        EXPECT_EQ(HelpOf(info.Get(), e.id).empty(), e.help == nullptr);
    }
}

TEST_F(TypeLibrary, InterfaceIsDualAndHookIsHidden) {
    ComPtr<ITypeInfo> dispatch;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(IID__MireloList, dispatch.Out()), S_OK);
    TypeInfoView view(dispatch.Get());
    EXPECT_EQ(view.kind(), TKIND_DISPATCH);
    EXPECT_TRUE(view.flags() & TYPEFLAG_FDUAL);
    TypeInfoView iface(InterfaceView(lib.Get()).Get());
    EXPECT_TRUE(iface.members().at(L"zSubclass_Proc").desc->wFuncFlags & FUNCFLAG_FHIDDEN);
}

TEST_F(TypeLibrary, AddItemDeclaresItsOptionalParameters) {
    TypeInfoView view(InterfaceView(lib.Get()).Get());
    const FUNCDESC* fd = view.members().at(L"AddItem").desc;
    ASSERT_EQ(fd->cParams, 5);  // Title, Key, Index, Id, [retval]
    const ELEMDESC* p = fd->lprgelemdescParam;
    EXPECT_EQ(p[0].tdesc.vt, VT_VARIANT);
    EXPECT_EQ(p[1].tdesc.vt, VT_PTR);
    EXPECT_EQ(p[1].tdesc.lptdesc->vt, VT_BSTR);
    const USHORT keyFlags = p[1].paramdesc.wParamFlags;
    EXPECT_EQ(keyFlags & (PARAMFLAG_FIN | PARAMFLAG_FOUT | PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT),
              PARAMFLAG_FIN | PARAMFLAG_FOUT | PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT);
    ASSERT_TRUE(p[1].paramdesc.pparamdescex);
    const VARIANT& def = p[1].paramdesc.pparamdescex->varDefaultValue;
    EXPECT_EQ(V_VT(&def), VT_BSTR);
    EXPECT_EQ(SysStringLen(V_BSTR(&def)), 0u);  // the empty string
    for (int i : {2, 3}) {
        EXPECT_EQ(p[i].tdesc.vt, VT_VARIANT);
        EXPECT_TRUE(p[i].paramdesc.wParamFlags & PARAMFLAG_FOPT);
    }
}

TEST_F(TypeLibrary, EventsHaveIdentifiersOneToNineWithByReferenceArguments) {
    ComPtr<ITypeInfo> events;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(DIID___MireloList, events.Out()), S_OK);
    TypeInfoView view(events.Get());
    struct Event {
        const wchar_t* name;
        MEMBERID id;
        std::vector<VARTYPE> args;
    };
    const std::vector<VARTYPE> mouse = {VT_I2, VT_I2, VT_R4, VT_R4}, indexes = {VT_I2, VT_I2, VT_I2};
    const Event expected[] = {{L"Click", 1, mouse},          {L"DBClick", 2, mouse},
                              {L"MouseDown", 3, mouse},      {L"MouseMove", 4, mouse},
                              {L"MouseUp", 5, mouse},        {L"ListIndexChanged", 6, indexes},
                              {L"PlayIndexChanged", 7, indexes}, {L"Scroll", 8, {}},
                              {L"Resize", 9, {}}};
    EXPECT_EQ(view.members().size(), std::size(expected));
    for (const Event& e : expected) {
        SCOPED_TRACE(Narrow(e.name));
        auto it = view.members().find(e.name);
        ASSERT_NE(it, view.members().end());
        EXPECT_EQ(it->second.id, e.id);
        EXPECT_NE(HelpOf(events.Get(), e.id), L"");
        const FUNCDESC* fd = it->second.desc;
        ASSERT_EQ(static_cast<size_t>(fd->cParams), e.args.size());
        for (size_t i = 0; i < e.args.size(); ++i) {
            EXPECT_EQ(fd->lprgelemdescParam[i].tdesc.vt, VT_PTR);
            EXPECT_EQ(fd->lprgelemdescParam[i].tdesc.lptdesc->vt, e.args[i]);
        }
    }
}

TEST_F(TypeLibrary, CoclassIsAControlWithDefaultSourceEvents) {
    ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(CLSID_MireloList, coclass.Out()), S_OK);
    TYPEATTR* attr = nullptr;
    coclass->GetTypeAttr(&attr);
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FCONTROL);
    ASSERT_EQ(attr->cImplTypes, 2);
    coclass->ReleaseTypeAttr(attr);
    INT flags = 0;
    coclass->GetImplTypeFlags(1, &flags);
    EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
    // What the Components dialog lists, and what browsers show for each type.
    BSTR name = nullptr, help = nullptr;
    lib->GetDocumentation(-1, &name, &help, nullptr, nullptr);
    EXPECT_STREQ(name, L"MireloListProj");
    EXPECT_STREQ(help, L"MireloListProj");
    SysFreeString(name);
    SysFreeString(help);
    EXPECT_EQ(lib->GetTypeInfoCount(), 3u);
    for (const GUID& guid : {IID__MireloList, DIID___MireloList, CLSID_MireloList}) {
        ComPtr<ITypeInfo> type;
        ASSERT_EQ(lib->GetTypeInfoOfGuid(guid, type.Out()), S_OK);
        EXPECT_NE(HelpOf(type.Get(), MEMBERID_NIL), L"");
    }
}

TEST(PropertyBrowser, GroupsEachPropertyUnderItsCategory) {
    ComPtr<IUnknown> control = NewControl();
    ASSERT_TRUE(control);
    using mirelo::server::ICategorizeProperties;
    ComPtr<ICategorizeProperties> categories =
        control.As<ICategorizeProperties>(mirelo::server::IID_ICategorizeProperties);
    ASSERT_TRUE(categories);
    for (const Expected& e : kMembers) {
        SCOPED_TRACE(Narrow(e.name));
        mirelo::server::PROPCAT category = 0;
        const HRESULT hr = categories->MapPropertyToCategory(e.id, &category);
        if (!e.category) {
            EXPECT_EQ(hr, E_FAIL);  // the browser's default
            continue;
        }
        ASSERT_EQ(hr, S_OK);
        BSTR name = nullptr;
        ASSERT_EQ(categories->GetCategoryName(category, 0, &name), S_OK);
        EXPECT_STREQ(name, e.category);
        SysFreeString(name);
    }
}

// Help strings are narrow text in the type library, decoded in the reader's
// ANSI code page: the Chinese texts read back exactly where that code page is
// 936. The check runs in a child started in that locale, which writes what
// GetDocumentation returned to a file (UTF-16), one line a member.
TEST(TypeLibraryChild, DumpHelpStrings) {
    const char* path = std::getenv("MIRELO_HELP_DUMP");
    if (!path) GTEST_SKIP() << "runs as the child of HelpStringsReadBackInChineseCodePage";
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
    ComPtr<ITypeInfo> info = InterfaceView(lib.Get());
    std::wstring out = std::to_wstring(GetACP()) + L"\n";
    for (const Expected& e : kMembers) out += HelpOf(info.Get(), e.id) + L"\n";
    const std::string part = std::string(path) + ".part", done = std::string(path) + ".done";
    {
        std::ofstream file(part, std::ios::binary);
        file.write(reinterpret_cast<const char*>(out.data()), out.size() * sizeof(wchar_t));
    }
    // Renamed when complete: the parent polls for the finished file.
    MoveFileA(part.c_str(), done.c_str());
}

TEST(TypeLibraryHelp, HelpStringsReadBackInChineseCodePage) {
    wchar_t dir[MAX_PATH], file[MAX_PATH], exe[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    GetTempFileNameW(dir, L"mlh", 0, file);
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    // Wine takes its code page from the Unix locale of a new process, and
    // runs Unix programs it is asked to start: the child goes through env.
    std::wstring cmd = L"Z:\\usr\\bin\\env LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8 " +
                       std::wstring(L"MIRELO_HELP_DUMP=") + file + L" wine \"" + exe +
                       L"\" --gtest_filter=TypeLibraryChild.DumpHelpStrings";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // Wine does not follow a Unix child: its handle is signalled at once.
    const std::wstring done = std::wstring(file) + L".done";
    for (int waited = 0; waited < 120000 && GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES;
         waited += 100)
        Sleep(100);

    std::ifstream in(done.c_str(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    DeleteFileW(done.c_str());
    DeleteFileW(file);
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
    std::vector<std::wstring> lines;
    for (size_t start = 0, nl; (nl = text.find(L'\n', start)) != std::wstring::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    ASSERT_EQ(lines.size(), std::size(kMembers) + 1) << "the child wrote no help strings";
    EXPECT_EQ(lines[0], L"936");
    for (size_t i = 0; i < std::size(kMembers); ++i)
        EXPECT_TRUE(lines[i + 1] == (kMembers[i].help ? kMembers[i].help : L"")) << Narrow(kMembers[i].name);
}

}  // namespace
}  // namespace mltest
