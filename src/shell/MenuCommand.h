// The commands of the menu row, numbered like its buttons from the left.
#pragma once

enum class MenuCommand { New = 1, Load, Save, Help, Print, Export };
