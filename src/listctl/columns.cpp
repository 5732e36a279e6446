// Column definitions from the host: AddItemA and ResizeHead.
#include "listctl/mirelo_list.h"

namespace mirelo {

Variant MireloList::AddItemA(const Variant& nColNumCount, const Variant& sHeadCaption, const Variant& nColWidth,
                             const Variant& nAlign) {
    columns_.Define(nColNumCount, sHeadCaption, nColWidth, nAlign, surface_.ScaleWidth());
    if (access_) {
        access_->RowsChanged();
        access_->HeaderChanged();
    }
    return Variant();
}

Variant MireloList::ResizeHead() {
    columns_.FitColumns(surface_.ScaleWidth(), ucBar->Width());
    if (access_) access_->HeaderChanged();
    return Variant();
}

}  // namespace mirelo
