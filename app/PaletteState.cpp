#include "PaletteState.h"

#include <algorithm>

PaletteState::PaletteState() {
    for (CommandT button : kPenButtons)
        mValues[button] = 0;
    for (CommandT button : kColourButtons)
        mValues[button] = 0;
    for (CommandT button : kSymmetryButtons)
        mValues[button] = 0;
    mValues[cmd_PenWidth2] = 1;
    mValues[cmd_ColourBlack] = 1;
    mValues[cmd_Symmetry1] = 1;
}

int PaletteState::buttonValue(CommandT button) const {
    const auto found = mValues.find(button);
    return found == mValues.end() ? 0 : found->second;
}

void PaletteState::setButtonValue(CommandT button, int value) {
    const auto found = mValues.find(button);
    if (found == mValues.end() || found->second == value)
        return;
    found->second = value;
    if (onChange)
        onChange(button, value);
}

template <std::size_t N>
std::optional<CommandT> PaletteState::firstSelected(const std::array<CommandT, N>& group,
                                                    std::size_t count) const {
    for (std::size_t i = 0; i < count && i < N; ++i) {
        if (buttonValue(group[i]) != 0)
            return group[i];
    }
    return std::nullopt;
}

template <std::size_t N>
void PaletteState::markOneOf(const std::array<CommandT, N>& group, CommandT button) {
    // A number outside the group (a run's colour below 3000, say) would turn every button off.
    if (std::find(group.begin(), group.end(), button) == group.end())
        return;
    for (CommandT member : group)
        setButtonValue(member, member == button ? 1 : 0);
}

CommandT PaletteState::SelectedPenButton() const {
    if (!mToolPalette)
        return cmd_PenWidth2;
    return firstSelected(kPenButtons, kPenButtons.size()).value_or(cmd_PenWidth2);
}

std::int16_t PaletteState::PalettePenWidth() const {
    if (!mToolPalette)
        return 1;
    // The fill button is not a width: with it selected the width is 1.
    const auto button = firstSelected(kPenButtons, 5);
    return button ? *penWidthOfButton(*button) : std::int16_t{1};
}

CommandT PaletteState::SelectedSymmetryButton() const {
    if (!mToolPalette)
        return cmd_Symmetry1;
    return firstSelected(kSymmetryButtons, kSymmetryButtons.size()).value_or(cmd_Symmetry1);
}

std::int32_t PaletteState::PaletteSymmetry() const {
    if (!mToolPalette)
        return 1;
    const auto button = firstSelected(kSymmetryButtons, kSymmetryButtons.size());
    return button ? *symmetryOfButton(*button) : 1;
}

CommandT PaletteState::SelectedColourButton() const {
    if (!mColourPalette)
        return cmd_ColourBlack;
    return firstSelected(kColourButtons, kColourButtons.size()).value_or(cmd_ColourBlack);
}

PaletteColourChoice PaletteState::PaletteColour() const {
    const CommandT button = SelectedColourButton();
    PaletteColourChoice choice;
    if (button == cmd_ColourPicker)
        return choice; // the picker's colour is the view's own; new views start black
    choice.colour = colourOfButton(button).value_or(kBlack);
    choice.cycling = button == cmd_ColourCycling;
    return choice;
}

void PaletteState::MarkPenSize(CommandT button) {
    markOneOf(kPenButtons, button);
}

void PaletteState::MarkColour(CommandT button) {
    markOneOf(kColourButtons, button);
}

void PaletteState::MarkSymmetry(CommandT button) {
    markOneOf(kSymmetryButtons, button);
}
