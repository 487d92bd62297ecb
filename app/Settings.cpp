#include "Settings.h"

#include "CApplication.h"
#include "CHideWindow.h"
#include "ResourceChain.h"
#include "ResourceFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <cstring>

namespace {

constexpr ResType kWindowPlaceType = FourCC("WPos");
constexpr ResType kWindowShownType = FourCC("WVis");
constexpr ResType kMouseModeType = FourCC("Mous");
constexpr ResType kConnectModeType = FourCC("Draw");
constexpr ResType kSymmetryType = FourCC("Zorv");
constexpr ResType kPenType = FourCC("PenT");
constexpr ResType kColourType = FourCC("ColT");
constexpr ResType kStartingPaceType = FourCC("Pace");
constexpr OSType kSettingsFileType = FourCC("pref");
constexpr OSType kSettingsCreator = FourCC("Zorv");

std::unique_ptr<ResourceFile> emptySettingsFile() {
    auto file = std::make_unique<ResourceFile>();
    file->setFileType(kSettingsFileType);
    file->setCreator(kSettingsCreator);
    return file;
}

// The first size bytes of the resource, or none when it is absent or shorter.
std::optional<ResourceBytes> readSetting(const ResourceFile& file, ResType type, std::int16_t id,
                                         std::size_t size) {
    const ResourceBytes* bytes = file.get(type, id);
    if (bytes == nullptr || bytes->size() < size)
        return std::nullopt;
    return ResourceBytes(bytes->begin(), bytes->begin() + static_cast<std::ptrdiff_t>(size));
}

std::int16_t bigEndian16(const ResourceBytes& bytes, std::size_t at) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]));
}

void appendBigEndian16(ResourceBytes& bytes, int value) {
    const auto word = static_cast<std::uint16_t>(std::clamp(value, int{INT16_MIN}, int{INT16_MAX}));
    bytes.push_back(static_cast<std::uint8_t>(word >> 8));
    bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
}

// The selections are stored in the order of the machine that wrote them.
std::uint32_t nativeWord(const ResourceBytes& bytes) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

ResourceBytes nativeBytes(std::uint32_t value) {
    ResourceBytes bytes(sizeof value);
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

// A palette put where no screen shows it could never be reached again: such a place is not used.
bool reachable(const QRect& place) {
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&place](const QScreen* screen) {
        return screen->geometry().intersects(place);
    });
}

void restoreWindow(const ResourceFile& file, std::int16_t id, CHideWindow& window) {
    if (const auto place = readSetting(file, kWindowPlaceType, id, 4)) {
        const QRect moved(QPoint(bigEndian16(*place, 2), bigEndian16(*place, 0)), window.size());
        if (reachable(moved))
            window.setGeometry(moved);
    }
    const auto shown = readSetting(file, kWindowShownType, id, 1);
    if (shown && (*shown)[0] == 0)
        window.Hide();
    else
        window.Show();
}

// A stored selection is applied only when it names a button of its own group: the file may
// come from a machine of the other byte order, or from anyone.
template <std::size_t N>
void restoreSelection(CApplication& application, const ResourceFile& file, ResType type,
                      const std::array<CommandT, N>& group) {
    const auto bytes = readSetting(file, type, 0, 4);
    if (!bytes)
        return;
    const std::uint32_t word = nativeWord(*bytes);
    const auto it = std::find(group.begin(), group.end(), static_cast<std::int64_t>(word));
    if (it == group.end())
        return;
    std::int32_t value = static_cast<std::int32_t>(word);
    application.ObeyCommand(*it, &value);
}

} // namespace

QString SettingsFilePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    return QDir(folder).filePath(IndStringText(201, 5, QStringLiteral("settings.json")));
}

void LoadSettings(CApplication& application, const QString& path) {
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        emptySettingsFile()->save(path);
        return;
    }
    const std::unique_ptr<ResourceFile> file = ResourceFile::open(path);
    if (!file)
        return;
    for (std::int16_t id = 0; id < 3; ++id) {
        if (CHideWindow* window = application.PaletteWindow(id))
            restoreWindow(*file, id, *window);
    }
    if (const auto mouse = readSetting(*file, kMouseModeType, 0, 1))
        application.SetMouseMode((*mouse)[0] != 0);
    if (const auto connect = readSetting(*file, kConnectModeType, 0, 1))
        application.SetConnectMode((*connect)[0] != 0);
    restoreSelection(application, *file, kSymmetryType, kSymmetryButtons);
    restoreSelection(application, *file, kPenType, kPenButtons);
    restoreSelection(application, *file, kColourType, kColourButtons);
    // One byte: the level runs start at; anything but a named pace falls back to the default.
    if (const auto pace = readSetting(*file, kStartingPaceType, 0, 1))
        application.SetStartingPace((*pace)[0]);
}

void SaveSettings(const CApplication& application, const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    std::unique_ptr<ResourceFile> file = ResourceFile::open(path);
    if (!file)
        file = emptySettingsFile(); // unreadable: start afresh rather than keep it forever
    for (std::int16_t id = 0; id < 3; ++id) {
        const CHideWindow* window = application.PaletteWindow(id);
        if (window == nullptr)
            continue;
        const QRect content = window->geometry();
        ResourceBytes place;
        appendBigEndian16(place, content.top());
        appendBigEndian16(place, content.left());
        file->put(kWindowPlaceType, id, place);
        file->put(kWindowShownType, id,
                  ResourceBytes{window->isVisible() ? std::uint8_t{1} : std::uint8_t{0}});
    }
    file->put(kMouseModeType, 0,
              ResourceBytes{application.mouseMode() ? std::uint8_t{1} : std::uint8_t{0}});
    file->put(kConnectModeType, 0,
              ResourceBytes{application.connectMode() ? std::uint8_t{1} : std::uint8_t{0}});
    file->put(kSymmetryType, 0,
              nativeBytes(static_cast<std::uint32_t>(application.SelectedSymmetryButton())));
    file->put(kPenType, 0,
              nativeBytes(static_cast<std::uint32_t>(application.SelectedPenButton())));
    file->put(kColourType, 0,
              nativeBytes(static_cast<std::uint32_t>(application.SelectedColourButton())));
    file->put(kStartingPaceType, 0,
              ResourceBytes{static_cast<std::uint8_t>(application.StartingPace())});
    file->save(path);
}
