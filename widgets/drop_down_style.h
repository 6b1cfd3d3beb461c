#pragma once

#include <QProxyStyle>

namespace chronavell {

// The application's style with its drop-down lists opening as drop-down lists: below the box,
// not over it with the chosen row on the box, as some styles do.
class DropDownStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

} // namespace chronavell
