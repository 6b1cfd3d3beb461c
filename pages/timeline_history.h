#pragma once

#include <QPoint>
#include <QRect>

// The history the timeline shows: its ages, its millennium ticks and the events above them,
// each with the box it is drawn in, in strip coordinates.
namespace chronavell::timeline {

// Fifteen pixels to the millennium; the tick of millennium 0 stands at 155.
constexpr int TickLeft(int millennium)
{
    return 15 * millennium + 155;
}
inline constexpr int TickTop = 88;
inline constexpr int TickSize = 8;

struct Era
{
    QRect Box;
    const char* Text = nullptr;
};

inline const Era Eras[] = {
    {{6, 4, 187, 13}, "Age of First Fires"},      {{222, 4, 323, 13}, "Age of the Far Lanterns"},
    {{550, 4, 59, 29}, "The Veil Storms"},        {{611, 4, 86, 21}, "The Sworn Oath"},
    {{702, 4, 107, 37}, "The Vigil Without End"},
};

// Each separator's left edge; together with the frame they bound the eras above.
inline constexpr int EraEdges[] = {218, 548, 608, 699};

struct Tick
{
    int Millennium = 0;
    const char* Label = nullptr; // none for an unlabelled tick
    QPoint LabelAt;
};

inline const Tick Ticks[] = {
    {-8, "8000BC", {30, 95}}, {0, "0 BC/AD", {136, 95}}, {2, "M02", {181, 95}},
    {3, "M03", {197, 103}},   {4, nullptr, {}},          {16, "M16", {389, 95}},
    {21, "M21", {467, 95}},   {22, "M22", {483, 103}},   {26, "M26", {539, 95}},
    {28, "M28", {571, 95}},   {30, "M30", {603, 95}},    {31, "M31", {621, 103}},
    {35, "M35", {675, 95}},   {36, "M36", {693, 103}},   {37, "M37", {707, 95}},
    {41, "M41", {763, 95}},
};

// The one age-turning tick, drawn and labelled in red with its event.
inline constexpr int TurningMillennium = 31;

// The left edge of the start block, which anchors the oldest events as a tick does.
inline constexpr int StartLeft = 8;

struct Event
{
    int Anchor = 0; // the Left of the tick or block it is painted with
    QRect Box;
    const char* Text = nullptr;
    QRect Lead; // a line down towards the tick; empty for none
};

inline const Event Events[] = {
    {StartLeft, {4, 36, 75, 29}, "First fires kindled on Old Vantor", {19, 59, 2, 24}},
    {TickLeft(-8), {22, 60, 75, 21}, "Stone calendars raised", {38, 75, 2, 10}},
    {TickLeft(0), {126, 64, 75, 17}, "The Count begins", {158, 75, 2, 11}},
    {TickLeft(2), {164, 36, 75, 29}, "Glass cities rise across Vantor", {198, 59, 2, 27}},
    {TickLeft(3), {193, 60, 75, 21}, "The first starship", {211, 75, 2, 11}},
    {TickLeft(4), {208, 76, 75, 13}, "Lantern Drive", {}},
    {TickLeft(16), {358, 28, 75, 29}, "Colonies reach the galactic Rim", {397, 59, 2, 27}},
    {TickLeft(21), {406, 60, 75, 29}, "Cog-Wardens bind the first engines", {472, 80, 2, 6}},
    {TickLeft(22), {446, 36, 75, 29}, "Schism of Varrow's Reach", {488, 59, 2, 27}},
    {TickLeft(26), {502, 68, 75, 21}, "Veil storms cut the star lanes", {}},
    {TickLeft(28), {548, 32, 65, 37}, "The Hollow Host wakes", {578, 56, 2, 30}},
    {TickLeft(30), {582, 68, 83, 21}, "The Sovereign unites Vantor", {}},
    {TickLeft(31), {604, 56, 65, 17}, "The Sundering", {}},
    {TickLeft(35), {638, 20, 75, 29}, "The Ledgerium takes the Hallowed Seat", {683, 56, 2, 30}},
    {TickLeft(37), {680, 68, 75, 21}, "The Ashen Choir first sings", {}},
    {TickLeft(41), {726, 28, 75, 29}, "The Hollow Host returns", {}},
    {TickLeft(41), {742, 52, 75, 29}, "Siege of Kessarine Prime", {}},
};

} // namespace chronavell::timeline
