#include "widgets/narrow_tab_style.h"

namespace chronavell {

int NarrowTabStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const
{
    if (metric == PM_TabBarTabHSpace) {
        return 12;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace chronavell
