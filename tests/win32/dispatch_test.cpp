// The control as a script client uses it: created without a container,
// called late-bound through IDispatch with the argument forms script engines
// and VB produce, errors read back by number.
#include <gtest/gtest.h>

#include "com_support.h"

namespace mltest {
namespace {

class Dispatch : public ::testing::Test {
protected:
    void SetUp() override {
        d = NewDispatch();
        ASSERT_TRUE(d) << "the component is not registered";
    }
    void Columns() { ASSERT_TRUE(Fill(d.Get(), L"A,B,C,D", L"60,60,60,60", {})); }
    ComPtr<IDispatch> d;
};

// A control nobody initialised behaves as a new one: its defaults come on first use.
TEST_F(Dispatch, DefaultsOfANewControl) {
    struct Default {
        const wchar_t* name;
        long value;
    } defaults[] = {
        {L"CheckBox", 0},          {L"ListCount", 0},          {L"BackColor", 0xF7FFFF},
        {L"ItemHeight", 16},       {L"ItemBkColor1", 0xFFFFFF}, {L"ItemBkColor2", 16447210},
        {L"ItemSelBkColor", 13407330}, {L"ItemNorTextColor", 9396556}, {L"ItemSelTextColor", 0xFFFFFF},
        {L"HeaderBackColor", 14603213}, {L"YnNeedNumCol", -1},   {L"ItemPlyTextColor", 1226579},
        {L"ItemErrTextColor", 255}, {L"Border", -1},            {L"BorderColor", 12821368},
        {L"BorderWidth", 1},       {L"ListIndex", -1},         {L"PlayIndex", -1},
        {L"FirstIndex", 0},        {L"LastIndex", -1},         {L"bSeleArrow", -1},
        {L"hWnd", 0},
    };
    for (const Default& e : defaults) {
        CallResult r = Get(d.Get(), e.name);
        EXPECT_EQ(r.hr, S_OK) << std::string(e.name, e.name + wcslen(e.name));
        EXPECT_EQ(r.value.AsLong(), e.value) << std::string(e.name, e.name + wcslen(e.name));
    }
    EXPECT_EQ(Method(d.Get(), L"GetSelectId").value.AsLong(), -1);
    EXPECT_EQ(Method(d.Get(), L"GetCheckItemId").value.AsString(), L"-1");
    // Script engines know no unsigned type: colours come back as Long.
    EXPECT_EQ(Get(d.Get(), L"BackColor").value.vt(), VT_I4);
    CallResult font = Get(d.Get(), L"Font");
    ASSERT_EQ(font.value.vt(), VT_DISPATCH);
    // A font object reports the size its face realises at: about 9 points.
    Var size;
    VariantChangeType(size.get(), Get(V_DISPATCH(font.value.get()), L"Size").value.get(), 0, VT_R8);
    EXPECT_NEAR(V_R8(size.get()), 9.0, 1.0);
    EXPECT_EQ(Get(V_DISPATCH(font.value.get()), L"Name").value.AsString(), L"\u5B8B\u4F53");
    EXPECT_EQ(Get(V_DISPATCH(font.value.get()), L"Bold").value.AsLong(), 0);
}

// Scripts call a method whose optional argument they leave out in one of
// three ways; all of them mean "not passed".
TEST_F(Dispatch, OmittedOptionalArgumentsInEveryForm) {
    Columns();
    const std::vector<std::vector<Var>> calls = {
        {Var::Str(L"r")},
        {Var::Str(L"r"), Var::NotPassed(), Var::NotPassed(), Var::NotPassed()},
        {Var::Str(L"r"), Var::Empty(), Var::Empty(), Var::Empty()},
    };
    long expected = 0;
    for (const auto& args : calls) {
        CallResult r = Method(d.Get(), L"AddItem", args);
        EXPECT_EQ(r.hr, S_OK);
        EXPECT_EQ(r.value.AsLong(), ++expected);  // appended, not inserted
        EXPECT_EQ(Get(d.Get(), L"ItemId", {Var::I2(static_cast<short>(expected - 1))}).value.AsLong(), -1);
    }
    // The row got the default key, the empty string, which RemoveKeyItem never matches.
    EXPECT_EQ(Method(d.Get(), L"RemoveKeyItem", {Var::Str(L"")}).value.AsLong(), -1);
}

// A typed by-reference parameter takes what script engines pass: a variable
// (VT_BYREF | VT_VARIANT), a value in parentheses, or the exact typed reference.
TEST_F(Dispatch, ByReferenceParametersTakeEveryArgumentForm) {
    Columns();
    Method(d.Get(), L"AddItem", {Var::Str(L"a,b,c"), Var::Str(L"k")});
    ASSERT_EQ(Put(d.Get(), L"CheckBox", Var::Bool(true)).hr, S_OK);

    Var index = Var::I2(0), check = Var::I2(-1);  // a script's variables hold Integers
    EXPECT_EQ(Method(d.Get(), L"SetCheckItem", {Var::RefTo(index), Var::RefTo(check)}).hr, S_OK);
    EXPECT_EQ(Method(d.Get(), L"GetCheckItemId").value.AsString(), L"0");
    // The variables were converted in and are handed back in the declared types.
    EXPECT_EQ(index.vt(), VT_I4);
    EXPECT_EQ(check.vt(), VT_BOOL);

    EXPECT_EQ(Method(d.Get(), L"SetCheckItem", {Var::I4(0), Var::Bool(false)}).hr, S_OK);
    EXPECT_EQ(Method(d.Get(), L"GetCheckItemId").value.AsString(), L"");

    Var typedIndex = Var::I4(0), typedCheck = Var::Bool(true);
    EXPECT_EQ(Method(d.Get(), L"SetCheckItem", {Var::TypedRefTo(typedIndex), Var::TypedRefTo(typedCheck)}).hr, S_OK);
    EXPECT_EQ(Method(d.Get(), L"GetCheckItemId").value.AsString(), L"0");

    Var key = Var::Str(L"k"), text = Var::Str(L"p,q");
    EXPECT_EQ(Method(d.Get(), L"UpdateItem", {Var::RefTo(key), Var::RefTo(text)}).hr, S_OK);
    EXPECT_EQ(Get(d.Get(), L"item", {Var::I2(0), Var::I2(2)}).value.AsString(), L"q");
    EXPECT_EQ(key.AsString(), L"k");
    Var row = Var::Str(L"0");  // a numeric string converts to the Long it stands for
    EXPECT_EQ(Method(d.Get(), L"SetItemData", {Var::RefTo(row), Var::Str(L"m")}).hr, S_OK);
    EXPECT_EQ(Get(d.Get(), L"item", {Var::I2(0), Var::I2(1)}).value.AsString(), L"m");
}

// Run-time errors reach a late-bound caller as EXCEPINFO with the number in
// FACILITY_CONTROL (Err.Number) and the standard description.
TEST_F(Dispatch, RunTimeErrorsCarryTheirNumbers) {
    Columns();
    Method(d.Get(), L"AddItem", {Var::Str(L"a")});
    struct Case {
        const char* what;
        CallResult result;
        int number;
        const wchar_t* description;
    };
    Case cases[] = {
        {"column out of range", Put(d.Get(), L"item", Var::Str(L"x"), {Var::I2(0), Var::I2(30)}), 9,
         L"Subscript out of range"},
        {"negative column", Get(d.Get(), L"item", {Var::I2(0), Var::I2(-1)}), 9, L"Subscript out of range"},
        {"missing row for SetItemData", Method(d.Get(), L"SetItemData", {Var::I4(5), Var::Str(L"p,q")}), 9,
         L"Subscript out of range"},
        {"a 22nd column", Method(d.Get(), L"AddItemA", {Var::I4(21), Var::Str(L"X,Y,Z"), Var::Str(L"50,50,50"),
                                                        Var::Str(L"0,0,0")}), 9, L"Subscript out of range"},
        {"too many cells", Method(d.Get(), L"AddItem", {Var::Str(L"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22")}),
         9, L"Subscript out of range"},
        {"index beyond 16 bits", Method(d.Get(), L"AddItem", {Var::Str(L"x"), Var::Str(L""), Var::I4(40000)}), 6,
         L"Overflow"},
        {"index that is no number", Method(d.Get(), L"AddItem", {Var::Str(L"x"), Var::Str(L""), Var::Str(L"abc")}),
         13, L"Type mismatch"},
        {"short argument out of range", Get(d.Get(), L"ItemId", {Var::I4(70000)}), 6, L"Overflow"},
        {"text for a number", Put(d.Get(), L"ItemHeight", Var::Str(L"tall")), 13, L"Type mismatch"},
        {"pen width zero", Put(d.Get(), L"BorderWidth", Var::I4(0)), 380, L"Invalid property value"},
        {"a bad width under a negative count", Method(d.Get(), L"AddItemA", {Var::I4(-1), Var::Str(L"a"),
                                                                            Var::Str(L"x"), Var::Str(L"0")}),
         13, L"Type mismatch"},
        {"widths past 16 bits in sum", Method(d.Get(), L"AddItemA", {Var::I4(1), Var::Str(L"A,B"),
                                                                    Var::Str(L"32767,1"), Var::Str(L"0,0")}),
         6, L"Overflow"},
        {"font that is no font", PutRef(d.Get(), L"Font", Var::Object(d.Get())), 380, L"Invalid property value"},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.result.hr, DISP_E_EXCEPTION);
        EXPECT_EQ(c.result.ErrorNumber(), c.number);
        ASSERT_TRUE(c.result.excep.bstrDescription);
        EXPECT_STREQ(c.result.excep.bstrDescription, c.description);
    }
    // Failed calls changed nothing they should not have: rows, columns, values.
    EXPECT_EQ(Method(d.Get(), L"AddItem", {Var::Str(L"d,e,f")}).value.AsLong(), 2);
    EXPECT_EQ(Get(d.Get(), L"item", {Var::I2(1), Var::I2(2)}).value.AsString(), L"f");
    EXPECT_EQ(Get(d.Get(), L"BorderWidth").value.AsLong(), 1);
    // Columns with nothing to spread are defined without an error, and fitted again without one.
    for (const wchar_t* widths : {L"", L"0,0"}) {
        const long count = *widths ? 1 : -1;
        const wchar_t* parts = *widths ? L"a,b" : L"";
        EXPECT_EQ(Method(d.Get(), L"AddItemA", {Var::I4(count), Var::Str(parts), Var::Str(widths),
                                                Var::Str(*widths ? L"0,0" : L"")}).hr, S_OK);
        EXPECT_EQ(Method(d.Get(), L"ResizeHead").hr, S_OK);
        EXPECT_EQ(Method(d.Get(), L"Refresh").hr, S_OK);
    }
}

// IndexFromPoint never reads X, and reads Y only when there are rows: what a
// host passes there, however odd, fails nothing on an empty list.
TEST_F(Dispatch, ArgumentsThatAreNotReadAreNotConverted) {
    Var null;
    V_VT(null.get()) = VT_NULL;
    SAFEARRAY* cells = SafeArrayCreateVector(VT_VARIANT, 0, 2);
    Var array;
    V_VT(array.get()) = VT_ARRAY | VT_VARIANT;
    V_ARRAY(array.get()) = cells;
    struct Case { const char* what; Var x, y; long rows, index; };
    const Case cases[] = {
        {"Null X, empty list", null, Var::I4(299), 0, -1},
        {"Null Y, empty list", Var::I4(0), null, 0, -1},
        {"an object and an array, empty list", Var::Object(d.Get()), array, 0, -1},
        {"Null X on a row", null, Var::I4(40), 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Method(d.Get(), L"Clear");
        for (long i = 0; i < c.rows; ++i) Method(d.Get(), L"AddItem", {Var::Str(L"r")});
        CallResult r = Get(d.Get(), L"IndexFromPoint", {c.x, c.y});
        EXPECT_EQ(r.hr, S_OK);
        EXPECT_EQ(r.value.AsLong(), c.index);
    }
}

TEST_F(Dispatch, CallerMistakesAreDispatchErrors) {
    DISPID id = 0;
    LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"NoSuchMember")};
    EXPECT_EQ(d->GetIDsOfNames(IID_NULL, unknown, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(Method(d.Get(), L"RemoveItem").hr, DISP_E_PARAMNOTOPTIONAL);
    EXPECT_EQ(Method(d.Get(), L"Clear", {Var::I4(1)}).hr, DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Put(d.Get(), L"ListCount", Var::I4(3)).hr, DISP_E_MEMBERNOTFOUND);
    // Names are matched without regard to case, as scripts spell them.
    EXPECT_EQ(IdOf(d.Get(), L"additem"), 0x6003004B);
}

TEST_F(Dispatch, ColoursAcceptSignedValues) {
    // System colours as hosts pass them: &H80000005 is negative as a Long.
    Var real;
    V_VT(real.get()) = VT_R8;
    V_R8(real.get()) = -2147483643.0;
    struct Case { Var value; unsigned long colour; };
    const Case cases[] = {{Var::I4(static_cast<long>(0x80000005)), 0x80000005ul}, {Var::I2(-1), 0xFFFFFFFFul},
                          {real, 0x80000005ul}, {Var::Str(L"-2147483633"), 0x8000000Ful}};
    for (const Case& c : cases) {
        EXPECT_EQ(Put(d.Get(), L"ItemBkColor1", c.value).hr, S_OK) << c.colour;
        EXPECT_EQ(static_cast<unsigned long>(Get(d.Get(), L"ItemBkColor1").value.AsLong()), c.colour);
    }
}

TEST_F(Dispatch, FontChangedThroughTheFontObjectChangesTheControl) {
    CallResult font = Get(d.Get(), L"Font");
    ASSERT_EQ(font.value.vt(), VT_DISPATCH);
    IDispatch* f = V_DISPATCH(font.value.get());
    ASSERT_EQ(Put(f, L"Bold", Var::Bool(true)).hr, S_OK);
    ASSERT_EQ(Put(f, L"Size", Var::I4(12)).hr, S_OK);
    CallResult again = Get(d.Get(), L"Font");
    IDispatch* g = V_DISPATCH(again.value.get());
    EXPECT_EQ(Get(g, L"Bold").value.AsLong(), -1);
    EXPECT_EQ(Get(g, L"Size").value.AsLong(), 12);
    EXPECT_EQ(Get(g, L"Name").value.AsString(), L"\u5B8B\u4F53");  // the name it was given, not a substitute
}

TEST_F(Dispatch, ErrorObjectIsSetForVtableClients) {
    ComPtr<_MireloList> list = d.As<_MireloList>(IID__MireloList);
    ASSERT_TRUE(list);
    ComPtr<ISupportErrorInfo> support = d.As<ISupportErrorInfo>(IID_ISupportErrorInfo);
    ASSERT_TRUE(support);
    EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__MireloList), S_OK);
    BSTR value = SysAllocString(L"x");
    EXPECT_EQ(list->put_item(0, 0, value), S_OK);  // no such row: nothing happens
    EXPECT_EQ(list->AddItem(Var::Str(L"a").get()[0], nullptr, Var::NotPassed().get()[0], Var::NotPassed().get()[0],
                            nullptr),
              E_POINTER);
    SysFreeString(value);
    EXPECT_EQ(list->put_BorderWidth(-5), static_cast<HRESULT>(0x800A017C));
    ComPtr<IErrorInfo> info;
    ASSERT_EQ(GetErrorInfo(0, info.Out()), S_OK);
    BSTR description = nullptr;
    info->GetDescription(&description);
    EXPECT_STREQ(description, L"Invalid property value");
    SysFreeString(description);
}

}  // namespace
}  // namespace mltest
