#include "server/property_table.h"

#include <olectl.h>

namespace mirelo::server {

namespace {

enum Category { kNone = 0, kSkin = 1, kListBorder = 2, kList = 3, kListItem = 4 };

struct Entry {
    const char16_t* key;
    DISPID id;
    Category category;
};

const Entry kProperties[] = {
    {u"CheckBox", 0x68030019, kList},
    {u"BackColor", 0x68030015, kSkin},
    {u"Font", 0x68030014, kSkin},
    {u"ItemHeight", 0x68030013, kListItem},
    {u"ItemBkColor1", 0x68030012, kListItem},
    {u"ItemBkColor2", 0x68030011, kListItem},
    {u"ItemSelBkColor", 0x68030010, kListItem},
    {u"ItemNorTextColor", 0x6803000F, kListItem},
    {u"ItemSelTextColor", 0x6803000E, kListItem},
    {u"HeaderBackColor", 0x6803000D, kList},
    {u"YnNeedNumCol", 0x6803000C, kList},
    {u"ItemPlyTextColor", 0x6803000B, kListItem},
    {u"ItemErrTextColor", 0x6803000A, kListItem},
    {u"Border", 0x68030009, kListBorder},
    {u"BorderColor", 0x68030008, kListBorder},
    {u"BorderWidth", 0x68030007, kListBorder},
    {u"ListIndex", 0x68030006, kList},
    {u"PlayIndex", 0x68030005, kList},
    {u"bSeleArrow", 0x68030000, kList},
};

}  // namespace

DISPID DispidOfKey(const Text& key) {
    for (const Entry& e : kProperties)
        if (key == e.key) return e.id;
    return DISPID_UNKNOWN;
}

int CategoryOf(DISPID id) {
    for (const Entry& e : kProperties)
        if (e.id == id) return e.category;
    return kNone;
}

const wchar_t* CategoryName(int category) {
    switch (category) {
    case kSkin: return L"Skin";
    case kListBorder: return L"ListBorder";
    case kList: return L"List";
    case kListItem: return L"ListItem";
    default: return nullptr;
    }
}

}  // namespace mirelo::server
