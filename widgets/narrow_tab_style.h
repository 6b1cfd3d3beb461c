#pragma once

#include <QProxyStyle>

namespace chronavell {

// The application's style with less room beside each tab's caption: the notebook's five
// captions share one row of the window's fixed width, which the styles' roomier tabs
// overflow. Sizes and the drawn text both follow the narrower margin, so nothing is clipped.
class NarrowTabStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace chronavell
