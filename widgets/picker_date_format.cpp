#include "widgets/picker_date_format.h"

#include <QRegularExpression>

namespace chronavell {

QString PickerDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        static const QRegularExpression year(QStringLiteral("y+"));
        format.replace(year, QStringLiteral("yyyy"));
    }
    return format;
}

} // namespace chronavell
