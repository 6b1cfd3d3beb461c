#pragma once

#include <QtGlobal>

#include <exception>
#include <functional>
#include <utility>

namespace chronavell {

// Runs a maker put off until first use, once, and keeps what it made in `made`. Drawing is no
// place for an error to escape into the event loop: a picture or icon built into the program
// only fails to decode in a broken build, and then stays blank.
template <typename T> void MakeOnce(std::function<T()>& make, T& made)
{
    if (!make) {
        return;
    }
    const std::function<T()> maker = std::exchange(make, nullptr);
    try {
        made = maker();
    } catch (const std::exception& error) {
        qWarning("%s", error.what());
    }
}

} // namespace chronavell
