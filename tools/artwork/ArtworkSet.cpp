// The complete list of generated pictures with their file names and sizes.
#include "ArtworkSet.h"

#include "CardDesigns.h"
#include "MenuIcons.h"
#include "PaintKit.h"
#include "ShellPictures.h"

namespace artwork {
namespace {

Artwork picture(const char* name, QSize size, QImage image) {
    return {QStringLiteral("resources/pictures/%1.png").arg(QLatin1String(name)), size,
            FileType::Png, std::move(image)};
}

} // namespace

std::vector<Artwork> allArtwork() {
    const QSize icon(32, 32);
    std::vector<Artwork> set{
        picture("icon", {64, 64}, windowIcon(64)),
        picture("menu-nieuw", icon, openBookIcon()),
        picture("menu-load", icon, eyeIcon()),
        picture("menu-save", icon, discDriveIcon()),
        picture("menu-help", icon, lightBulbIcon()),
        picture("menu-afdrukken", icon, printerIcon()),
        picture("menu-export", icon, boxOfThingsIcon()),
        picture("deck-normaal", icon, normalDeckButton()),
        picture("deck-kinder", icon, childDeckButton()),
        picture("photo-placeholder", {240, 160}, photoPlaceholder()),
        picture("thumb-placeholder", {37, 37}, thumbPlaceholder()),
        picture("photo-pointer", icon, photoPointer()),
        picture("card-outline", kCardSize, blankCard()),
        picture("cut-line", {50, 2}, solidCanvas(50, 2, QColor(112, 96, 96))),
        picture("klein", {35, 35}, solidCanvas(35, 35, QColor(128, 192, 208))),
        // The window's pictures again at twice the size, for screens of a higher pixel density.
        picture("menu-nieuw@2x", icon * 2, openBookIcon(2)),
        picture("menu-load@2x", icon * 2, eyeIcon(2)),
        picture("menu-save@2x", icon * 2, discDriveIcon(2)),
        picture("menu-help@2x", icon * 2, lightBulbIcon(2)),
        picture("menu-afdrukken@2x", icon * 2, printerIcon(2)),
        picture("menu-export@2x", icon * 2, boxOfThingsIcon(2)),
        picture("deck-normaal@2x", icon * 2, normalDeckButton(2)),
        picture("deck-kinder@2x", icon * 2, childDeckButton(2)),
        picture("thumb-placeholder@2x", {74, 74}, thumbPlaceholder(2)),
    };
    std::vector<QImage> cards{blankCard()};
    for (QImage& back : cardBacks())
        cards.push_back(std::move(back));
    for (std::size_t n = 0; n < cards.size(); ++n)
        set.push_back({QStringLiteral("resources/kaarten/kaart%1.jpg").arg(n + 1), kCardSize,
                       FileType::Jpeg, std::move(cards[n])});
    // The program's icon for the desktop's menus, in the sizes of the installed icon theme.
    for (int size : {48, 128, 256})
        set.push_back({QStringLiteral("packaging/icons/icon-%1.png").arg(size),
                       {size, size},
                       FileType::Png,
                       windowIcon(size)});
    return set;
}

} // namespace artwork
