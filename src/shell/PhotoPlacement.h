// Picks a picture file for one card and places it on the card's photo canvas.
#pragma once

#include <QString>

class CardPhotos;
class QWidget;
class SeriesModel;
class UserPrompts;

class PhotoPlacement final {
public:
    PhotoPlacement(SeriesModel& model, CardPhotos& photos, UserPrompts& prompts, QWidget* window);

    // The open-dialog filter: every picture kind the card accepts, in both letter cases.
    static QString filter();

    // Asks for a picture and places it on `card`; a cancelled dialog changes nothing, and a file
    // that is not a readable picture is reported by name and changes nothing either.
    void run(int card);

private:
    SeriesModel& m_model;
    CardPhotos& m_photos;
    UserPrompts& m_prompts;
    QWidget* m_window;
};
