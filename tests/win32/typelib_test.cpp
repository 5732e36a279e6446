// The type library as object browsers and compilers read it: dispatch
// identifiers, property kinds, parameters, the event interface (help strings:
// typelib_help_test.cpp).
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "com_support.h"

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

class TypeLibrary : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(lib); }
    ComPtr<ITypeLib> lib = Library();
};

TEST_F(TypeLibrary, EveryMemberHasItsDispatchIdentifierAndAccess) {
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
    BSTR name = nullptr;
    lib->GetDocumentation(-1, &name, nullptr, nullptr, nullptr);
    EXPECT_STREQ(name, L"MireloListProj");
    SysFreeString(name);
}

}  // namespace
}  // namespace mltest
