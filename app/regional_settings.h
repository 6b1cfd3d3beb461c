#pragma once

#include <QLocale>

namespace chronavell {

// The desktop's regional settings: time and short date formats.
class RegionalSettings
{
public:
    virtual ~RegionalSettings() = default;
    virtual QLocale locale() const = 0;
};

class SystemRegionalSettings final : public RegionalSettings
{
public:
    QLocale locale() const override { return QLocale::system(); }
};

} // namespace chronavell
