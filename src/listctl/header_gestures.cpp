// Header band gestures. A press in the band is remembered; its release ends
// the gesture and clears the state, whatever the buttons did in between.
#include "listctl/mirelo_list.h"

namespace mirelo {

void MireloList::HeaderPress(int16_t Button, float X, float Y) {
    (void)Button, (void)X, (void)Y;
}

bool MireloList::HeaderMove(int16_t Button, float X, float Y) {
    (void)Button, (void)X, (void)Y;
    return true;
}

void MireloList::HeaderRelease(int16_t Button, float X, float Y) {
    (void)Button, (void)X, (void)Y;
    HeaderPressed_ = kFalse;
    DropColumn_ = 0;
}

}  // namespace mirelo
