#include "listctl/column_cursors.h"

namespace mirelo {

const char16_t* ColumnCursors::FileName(int16_t kind) {
    switch (kind) {
        case kCursorMoveHead: return u"movehead.cur";
        case kCursorNot: return u"not.cur";
        case kCursorSizeWE: return u"SizeWE.cur";
        case kCursorUnmoveHead: return u"unmovehead.cur";
        default: return nullptr;
    }
}

const char16_t* ColumnCursors::ResourceName(int16_t kind) {
    switch (kind) {
        case kCursorMoveHead: return u"MOVEHEAD";
        case kCursorNot: return u"NOTALLOWED";
        case kCursorSizeWE: return u"SIZEWE";
        case kCursorUnmoveHead: return u"UNMOVEHEAD";
        default: return nullptr;
    }
}

ColumnCursors::ColumnCursors(CursorShapes* port) : port_(port) {
    if (port_) default_ = port_->GetCursor();
}

ColumnCursors::~ColumnCursors() {
    if (port_ == nullptr || loaded_ == 0) return;
    // A cursor still on screen goes back to the default before it is destroyed.
    if (port_->GetCursor() == loaded_) port_->SetCursor(default_);
    port_->DestroyCursor(loaded_);
}

void ColumnCursors::Show(int16_t kind) {
    const char16_t* file = FileName(kind);
    if (port_ == nullptr || file == nullptr) return;
    CursorHandle fromFile = port_->LoadCursorFromFile(file);
    CursorHandle shape = fromFile != 0 ? fromFile : port_->LoadCursor(ResourceName(kind));
    if (shape == 0) return;  // neither exists: the pointer stays as it is
    port_->SetCursor(shape);
    Replace(fromFile);
}

void ColumnCursors::RestoreDefault() {
    if (port_ == nullptr) return;
    port_->SetCursor(default_);
    Replace(0);
}

void ColumnCursors::Replace(CursorHandle loaded) {
    // Destroyed only once it is off screen.
    if (loaded_ != 0 && loaded_ != loaded) port_->DestroyCursor(loaded_);
    loaded_ = loaded;
}

}  // namespace mirelo
