// The type library as object browsers and compilers read it: dispatch
// identifiers, property kinds, parameters, the event interface, help strings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>

#include "com_support.h"

namespace mltest {
namespace {

ComPtr<ITypeLib> Library() {
    ComPtr<ITypeLib> lib;
    LoadRegTypeLib(LIBID_MireloListProj, 1, 0, 0, lib.Out());
    return lib;
}

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

struct Expected {
    const wchar_t* name;
    MEMBERID id;
    int access;
};

const Expected kMembers[] = {
    {L"CheckBox", 0x68030019, kRead | kWrite},       {L"hWnd", 0x68030018, kRead},
    {L"ListCount", 0x68030017, kRead},               {L"IndexFromPoint", 0x68030016, kRead},
    {L"BackColor", 0x68030015, kRead | kWrite},      {L"Font", 0x68030014, kRead | kWrite | kWriteRef},
    {L"ItemHeight", 0x68030013, kRead | kWrite},     {L"ItemBkColor1", 0x68030012, kRead | kWrite},
    {L"ItemBkColor2", 0x68030011, kRead | kWrite},   {L"ItemSelBkColor", 0x68030010, kRead | kWrite},
    {L"ItemNorTextColor", 0x6803000F, kRead | kWrite}, {L"ItemSelTextColor", 0x6803000E, kRead | kWrite},
    {L"HeaderBackColor", 0x6803000D, kRead | kWrite}, {L"YnNeedNumCol", 0x6803000C, kRead | kWrite},
    {L"ItemPlyTextColor", 0x6803000B, kRead | kWrite}, {L"ItemErrTextColor", 0x6803000A, kRead | kWrite},
    {L"Border", 0x68030009, kRead | kWrite},         {L"BorderColor", 0x68030008, kRead | kWrite},
    {L"BorderWidth", 0x68030007, kRead | kWrite},    {L"ListIndex", 0x68030006, kRead | kWrite},
    {L"PlayIndex", 0x68030005, kRead | kWrite},      {L"FirstIndex", 0x68030004, kRead},
    {L"LastIndex", 0x68030003, kRead},               {L"item", 0x68030002, kRead | kWrite},
    {L"ItemId", 0x68030001, kRead | kWrite},         {L"bSeleArrow", 0x68030000, kRead | kWrite},
    {L"AddItemA", 0x60030049, kCall},                {L"ResizeHead", 0x6003004A, kCall},
    {L"AddItem", 0x6003004B, kCall},                 {L"RemoveItem", 0x6003004C, kCall},
    {L"Clear", 0x6003004D, kCall},                   {L"Refresh", 0x6003004E, kCall},
    {L"GetCheckItemId", 0x60030055, kCall},          {L"GetSelectId", 0x60030056, kCall},
    {L"SetCheckItem", 0x60030057, kCall},            {L"SetCheckAllItem", 0x60030058, kCall},
    {L"SetItemData", 0x60030059, kCall},             {L"UpdateItem", 0x6003005A, kCall},
    {L"RemoveKeyItem", 0x6003005B, kCall},           {L"About", 0x6003005D, kCall},
    {L"RemoveCheckItems", 0x60030093, kCall},        {L"zSubclass_Proc", 0x6003003B, kCall},
};

TEST(TypeLibrary, EveryMemberHasItsDispatchIdentifierAndAccess) {
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
    TypeInfoView view(InterfaceView(lib.Get()).Get());
    EXPECT_EQ(view.members().size(), std::size(kMembers));  // 26 properties, 15 methods, the hook
    for (const Expected& e : kMembers) {
        SCOPED_TRACE(std::string(e.name, e.name + wcslen(e.name)));
        auto it = view.members().find(e.name);
        ASSERT_NE(it, view.members().end());
        EXPECT_EQ(it->second.id, e.id);
        std::set<int> kinds;
        if (e.access & kRead) kinds.insert(INVOKE_PROPERTYGET);
        if (e.access & kWrite) kinds.insert(INVOKE_PROPERTYPUT);
        if (e.access & kWriteRef) kinds.insert(INVOKE_PROPERTYPUTREF);
        if (e.access & kCall) kinds.insert(INVOKE_FUNC);
        EXPECT_EQ(it->second.kinds, kinds);
    }
}

TEST(TypeLibrary, InterfaceIsDualAndHookIsHidden) {
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
    ComPtr<ITypeInfo> dispatch;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(IID__MireloList, dispatch.Out()), S_OK);
    TypeInfoView view(dispatch.Get());
    EXPECT_EQ(view.kind(), TKIND_DISPATCH);
    EXPECT_TRUE(view.flags() & TYPEFLAG_FDUAL);
    TypeInfoView iface(InterfaceView(lib.Get()).Get());
    EXPECT_TRUE(iface.members().at(L"zSubclass_Proc").desc->wFuncFlags & FUNCFLAG_FHIDDEN);
}

TEST(TypeLibrary, AddItemDeclaresItsOptionalParameters) {
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
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

TEST(TypeLibrary, EventsHaveIdentifiersOneToNineWithByReferenceArguments) {
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
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
        SCOPED_TRACE(std::string(e.name, e.name + wcslen(e.name)));
        auto it = view.members().find(e.name);
        ASSERT_NE(it, view.members().end());
        EXPECT_EQ(it->second.id, e.id);
        const FUNCDESC* fd = it->second.desc;
        ASSERT_EQ(static_cast<size_t>(fd->cParams), e.args.size());
        for (size_t i = 0; i < e.args.size(); ++i) {
            EXPECT_EQ(fd->lprgelemdescParam[i].tdesc.vt, VT_PTR);
            EXPECT_EQ(fd->lprgelemdescParam[i].tdesc.lptdesc->vt, e.args[i]);
        }
    }
}

TEST(TypeLibrary, CoclassIsAControlWithDefaultSourceEvents) {
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
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
    BSTR name = nullptr;
    lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    EXPECT_STREQ(name, L"MireloListProj");
    SysFreeString(name);
}

// Object browsers and the form designer's property list show the help string
// of whatever is selected: the library, each type and every member of it.
// Read here in the test's own code page, where the Chinese strings are not
// legible but must still be there.
std::wstring DocString(ITypeInfo* info, MEMBERID id) {
    BSTR doc = nullptr;
    info->GetDocumentation(id, nullptr, &doc, nullptr, nullptr);
    std::wstring text(doc ? doc : L"", doc ? SysStringLen(doc) : 0);
    SysFreeString(doc);
    return text;
}

std::wstring NameOf(ITypeInfo* info, MEMBERID id) {
    BSTR name = nullptr;
    info->GetDocumentation(id, &name, nullptr, nullptr, nullptr);
    std::wstring text(name ? name : L"", name ? SysStringLen(name) : 0);
    SysFreeString(name);
    return text;
}

TEST(TypeLibrary, LibraryTypesAndEveryMemberHaveAHelpString) {
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
    BSTR libDoc = nullptr;
    lib->GetDocumentation(-1, nullptr, &libDoc, nullptr, nullptr);
    EXPECT_STREQ(libDoc, L"MireloListProj");  // what the Components dialog lists
    SysFreeString(libDoc);

    std::set<std::wstring> types;
    size_t members = 0;
    for (UINT t = 0; t < lib->GetTypeInfoCount(); ++t) {
        ComPtr<ITypeInfo> info;
        ASSERT_EQ(lib->GetTypeInfo(t, info.Out()), S_OK);
        TYPEATTR* attr = nullptr;
        info->GetTypeAttr(&attr);
        const bool dual = attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL);
        info->ReleaseTypeAttr(attr);
        // The dispatch half of a dual interface also lists what it inherits
        // from IDispatch; its own members are those of the vtable half.
        if (dual) {
            HREFTYPE href = 0;
            ComPtr<ITypeInfo> vtable;
            ASSERT_EQ(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &href), S_OK);
            ASSERT_EQ(info->GetRefTypeInfo(href, vtable.Out()), S_OK);
            info = vtable;
        }
        const std::wstring type = NameOf(info.Get(), MEMBERID_NIL);
        types.insert(type);
        SCOPED_TRACE(std::string(type.begin(), type.end()));
        EXPECT_NE(DocString(info.Get(), MEMBERID_NIL), L"");
        info->GetTypeAttr(&attr);
        const WORD funcs = attr->cFuncs, vars = attr->cVars;
        info->ReleaseTypeAttr(attr);
        for (UINT i = 0; i < funcs; ++i, ++members) {
            FUNCDESC* fd = nullptr;
            ASSERT_EQ(info->GetFuncDesc(i, &fd), S_OK);
            const MEMBERID id = fd->memid;
            info->ReleaseFuncDesc(fd);
            const std::wstring name = NameOf(info.Get(), id);
            EXPECT_NE(DocString(info.Get(), id), L"") << std::string(name.begin(), name.end());
        }
        for (UINT i = 0; i < vars; ++i, ++members) {
            VARDESC* vd = nullptr;
            ASSERT_EQ(info->GetVarDesc(i, &vd), S_OK);
            const MEMBERID id = vd->memid;
            info->ReleaseVarDesc(vd);
            EXPECT_NE(DocString(info.Get(), id), L"");
        }
    }
    EXPECT_EQ(types, (std::set<std::wstring>{L"_MireloList", L"__MireloList", L"MireloList"}));
    EXPECT_EQ(members, 73u);  // the interface's 48 accessors and 16 methods, 9 events
}

// Help strings are narrow text in the type library, decoded in the reader's
// ANSI code page: the Chinese texts read back exactly where that code page is
// 936. The check runs in a child started in that locale, which writes what
// GetDocumentation returned to a file (UTF-16), one line a string.
const wchar_t* const kHelpStrings[][2] = {
    {L"CheckBox", L"是否显示复选框"},
    {L"BackColor", L"背景色"},
    {L"Font", L"字体名称"},
    {L"ItemHeight", L"行高"},
    {L"ItemBkColor1", L"奇数行背景色"},
    {L"ItemBkColor2", L"偶数行背景色"},
    {L"ItemSelBkColor", L"被选取条目背景颜色"},
    {L"ItemNorTextColor", L"默认条目文本颜色"},
    {L"ItemSelTextColor", L"被选取文本颜色"},
    {L"HeaderBackColor", L"标题背景色"},
    {L"YnNeedNumCol", L"是否显示自动序号"},
    {L"ItemPlyTextColor", L"双击获得当前焦点文本颜色"},
    {L"ItemErrTextColor", L"错误文本颜色"},
    {L"Border", L"是否显示边框"},
    {L"BorderColor", L"边框颜色"},
    {L"BorderWidth", L"边框宽度"},
    {L"ListIndex", L"当前被选取行索引，从0计数"},
    {L"PlayIndex", L"当前双击获取焦点行索引,从0开始计数"},
    {L"bSeleArrow", L"是否显示选取箭头"},
    {L"hWnd", L"Window handle of the control"},
    {L"AddItem", L"Add a row of comma-separated cells; returns the row count"},
};

const char* const kDumpVariable = "MIRELO_HELP_DUMP";

TEST(TypeLibraryChild, DumpHelpStrings) {
    const char* path = std::getenv(kDumpVariable);
    if (!path) GTEST_SKIP() << "runs as the child of HelpStringsReadBackInChineseCodePage";
    ComPtr<ITypeLib> lib = Library();
    ASSERT_TRUE(lib);
    ComPtr<ITypeInfo> dispatch;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(IID__MireloList, dispatch.Out()), S_OK);
    std::wstring out = std::to_wstring(GetACP()) + L"\n";
    for (const auto& entry : kHelpStrings) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(entry[0])};
        dispatch->GetIDsOfNames(names, 1, &id);
        BSTR doc = nullptr;
        dispatch->GetDocumentation(id, nullptr, &doc, nullptr, nullptr);
        out += std::wstring(doc ? doc : L"", doc ? SysStringLen(doc) : 0) + L"\n";
        SysFreeString(doc);
    }
    const std::string part = std::string(path) + ".part", done = std::string(path) + ".done";
    {
        std::ofstream file(part, std::ios::binary);
        file.write(reinterpret_cast<const char*>(out.data()), out.size() * sizeof(wchar_t));
    }
    // Renamed when complete: the parent polls for the finished file.
    MoveFileA(part.c_str(), done.c_str());
}

TEST(TypeLibrary, HelpStringsReadBackInChineseCodePage) {
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
    ASSERT_EQ(lines.size(), std::size(kHelpStrings) + 1) << "the child wrote no help strings";
    EXPECT_EQ(lines[0], L"936");
    for (size_t i = 0; i < std::size(kHelpStrings); ++i)
        EXPECT_TRUE(lines[i + 1] == kHelpStrings[i][1]) << "help string of member " << i;
}

}  // namespace
}  // namespace mltest
