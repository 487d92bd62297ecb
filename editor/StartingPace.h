#pragma once

// The pace a run starts at, chosen in the program window from a few named levels.

#include <QString>
#include <QWidget>
#include <cstdint>
#include <span>

class QComboBox;

struct NamedPace {
    const char* name; // translated in the "StartingPace" context
    std::int32_t level;
};

// Fastest 0, Normal 1, Slow 5, Step by Step 12, Very Slow 30.
std::span<const NamedPace> NamedPaces();
constexpr std::int32_t kDefaultStartingPace = 1;
// A stored level that is none of the named ones falls back to the default.
std::int32_t ValidStartingPace(std::int32_t level);

// The bar above the program text: "Pace:" and the named paces.
class StartingPaceControl : public QWidget {
    Q_OBJECT
public:
    explicit StartingPaceControl(QWidget* parent = nullptr);

    std::int32_t Level() const;
    // Shows a level without announcing it.
    void ShowLevel(std::int32_t level);
    QComboBox* Choice() const { return mChoice; }

signals:
    void levelChosen(std::int32_t level);

private:
    QComboBox* mChoice = nullptr;
};
