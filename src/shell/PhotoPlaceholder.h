// The picture a card without a photo shows, with its word in the program's language.
#pragma once

#include <QCoreApplication>
#include <QImage>

class PhotoPlaceholder final {
    Q_DECLARE_TR_FUNCTIONS(PhotoPlaceholder)

public:
    // The built-in placeholder `picture`, which says "Foto", with that word written over in the
    // program's language; unchanged when the word is the same.
    static QImage inLanguage(QImage picture);
};
