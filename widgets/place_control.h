#pragma once

#include <QAnyStringView>
#include <QRect>
#include <QWidget>

#include <utility>

namespace chronavell {

// Makes a control on `parent` under its design name and at its design geometry, the way every
// page and dialog lays out its fixed controls. Extra arguments go to the control's constructor
// before the parent.
template <typename Control, typename... Arguments>
Control* PlaceControl(QWidget* parent, QAnyStringView name, QRect geometry,
                      Arguments&&... arguments)
{
    auto* control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

} // namespace chronavell
