// The help strings of the type library: object browsers and property lists
// show them, and the Chinese ones must read back as written where the reader's
// ANSI code page is 936.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "com_support.h"

namespace mltest {
namespace {

// Object browsers and the form designer's property list show the help string
// of whatever is selected: the library, each type and every member of it.
// Read here in the test's own code page, where the Chinese strings are not
// legible but must still be there.
std::wstring Documentation(ITypeInfo* info, MEMBERID id, bool name) {
    BSTR text = nullptr;
    info->GetDocumentation(id, name ? &text : nullptr, name ? nullptr : &text, nullptr, nullptr);
    std::wstring out(text ? text : L"", text ? SysStringLen(text) : 0);
    SysFreeString(text);
    return out;
}
std::wstring DocString(ITypeInfo* info, MEMBERID id) { return Documentation(info, id, false); }
std::wstring NameOf(ITypeInfo* info, MEMBERID id) { return Documentation(info, id, true); }

// The seven run-time properties have no help string; every other member has one.
bool WithoutHelp(const std::wstring& name) {
    static const std::set<std::wstring> names = {L"hWnd",      L"ListCount", L"IndexFromPoint", L"FirstIndex",
                                                 L"LastIndex", L"item",      L"ItemId"};
    return names.count(name) != 0;
}

TEST(TypeLibraryHelp, LibraryTypesAndEveryMemberButTheRunTimePropertiesHaveAHelpString) {
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
            EXPECT_EQ(DocString(info.Get(), id).empty(), WithoutHelp(name)) << std::string(name.begin(), name.end());
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
    {L"Clear", L"Remove every row"},
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
    ASSERT_EQ(lines.size(), std::size(kHelpStrings) + 1) << "the child wrote no help strings";
    EXPECT_EQ(lines[0], L"936");
    for (size_t i = 0; i < std::size(kHelpStrings); ++i)
        EXPECT_TRUE(lines[i + 1] == kHelpStrings[i][1]) << "help string of member " << i;
}

}  // namespace
}  // namespace mltest
