// What a page of fronts shows for a series read from its file, without the window.
#include "GameSheet.h"

#include "PhotoBox.h"
#include "SeriesModel.h"

FaceSheet GameSheet::build(const QString& fileName, const Series& series,
                           const std::vector<Result<PreparedPhoto>>& photos) {
    FaceSheet sheet;
    sheet.seriesName = fileName;
    sheet.subject = SeriesModel::withoutLineBreaks(series.subject);
    for (int card = 1; card <= kCards; ++card) {
        for (int line = 1; line <= kLines; ++line)
            sheet.names[size_t(card - 1)][size_t(line - 1)] = SeriesModel::loadedName(series, line);
        const size_t index = size_t(card - 1);
        const bool read = index < photos.size() && photos[index].ok();
        // As after a load: the photo in its outline, or the empty outline when it was not read.
        sheet.photos[index] = {read ? photos[index].value().picture : QImage(),
                               PhotoFrame::Outlined, read ? photos[index].value().whole : QImage(),
                               series.framing(card)};
    }
    return sheet;
}
