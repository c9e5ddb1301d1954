// stub
#include "SeriesCommands.h"
SeriesCommands::SeriesCommands(Context context) : m_context(std::move(context)) {}
void SeriesCommands::newDesign() {}
void SeriesCommands::save() {}
void SeriesCommands::openLoadDialog() {}
void SeriesCommands::placePhoto(int) {}
void SeriesCommands::exportSheet() {}
FaceSheet SeriesCommands::faceSheet(bool) const { return {}; }
