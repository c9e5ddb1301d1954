// Which deck the card sheet shows: the normal deck with texts or the children's deck with photos
// only.
#pragma once

#include <QtGlobal>

enum class DeckMode : quint8 { Normal = 1, Children = 2 };
