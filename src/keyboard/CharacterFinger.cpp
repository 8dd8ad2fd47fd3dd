#include "keyboard/CharacterFinger.h"

#include "keyboard/TDataMod.h"

namespace zq {

std::int32_t FingerOfCharacter(TDataMod& store, unsigned char character) {
    if (!store.Ctbl.Locate("Code", character)) return -1;
    if (!store.MainTbl.Locate("KeyValue", store.Ctbl.AsInteger("KeyNo"))) return -1;
    const std::int32_t finger = store.MainTbl.AsInteger("Finger");
    return finger >= 0 && finger <= 9 ? finger : -1;
}

}  // namespace zq
