#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>
#include <QStringList>

#include <set>
#include <string>

#include "core/GameState.h"
#include "core/campus.h"
#include "core/encounters.h"
#include "media/scene.h"
#include "tests/support/player.h"
#include "ui/controls.h"

namespace {

const QString kDataDir = QStringLiteral(VELMORA_DATA_DIR);

// Every scene picture the game can ask for, from its own timetable and scenes: the phone and the
// walk, the empty places, each heroine where the timetable puts her, the gate at closing time
// with each girl, and the epilogue. The staff roll's pictures are among them.
QStringList GameSceneCodes() {
    QStringList codes{"C300A", "C300B", "C380C", "C380D"};
    for (int location = 1; location <= kLocationCount; ++location)
        codes << LocationPictureCode(location);
    for (int minute = 0; minute < 30; ++minute)
        for (int location = 1; location <= kLocationCount; ++location)
            if (const int heroine = HeroineAt(minute, location))
                for (bool onArrival : {true, false})
                    codes << HeroinePictureCode(location, heroine, onArrival);
    for (int heroine = 1; heroine <= kHeroineCount; ++heroine)
        codes << QString("C38%1C").arg(heroine);
    codes.removeDuplicates();
    return codes;
}

QString InData(const QString& name) {
    return kDataDir + "/" + name;
}

struct Loaded {
    QImage image;
    std::string format;
    std::string error;
};

Loaded LoadByContent(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    Loaded loaded;
    loaded.format = reader.format().toStdString();
    loaded.image = reader.read();
    loaded.error = reader.errorString().toStdString();
    return loaded;
}

TEST(ContentPictures, EverySceneCodeLoadsAtTheCampusPictureSize) {
    CopyGameData();
    const QStringList codes = GameSceneCodes();
    EXPECT_EQ(codes.size(), 35);
    std::set<std::string> velFormats;
    ui::Image scene(nullptr, 0, 0, 4500, 3000);
    for (const QString& code : codes) {
        // Found and loaded as the game does it.
        const QString file = ScenePictureFile(code);
        ASSERT_TRUE(scene.LoadPicture(file)) << file.toStdString();
        EXPECT_EQ(scene.Picture().size(), QSize(300, 200)) << file.toStdString();
        if (file.endsWith(".VEL")) velFormats.insert(LoadByContent(file).format);
    }
    // The format detection must be exercised by more than PNG.
    EXPECT_TRUE(velFormats.count("jpeg")) << "no JPEG among the .VEL files";
    EXPECT_TRUE(velFormats.count("bmp")) << "no BMP among the .VEL files";
    EXPECT_TRUE(velFormats.count("png"));
}

TEST(ContentPictures, PhonePictureShipsOnlyAsTheGifFallback) {
    EXPECT_FALSE(QFile::exists(InData("C300A.VEL")));
    const Loaded gif = LoadByContent(InData("C300A.GIF"));
    ASSERT_FALSE(gif.image.isNull()) << gif.error;
    EXPECT_EQ(gif.format, "gif");
}

TEST(ContentPictures, ScreenPicturesHaveTheirDesignSizes) {
    const struct {
        const char* name;
        QSize size;
    } pictures[] = {
        {"Title.png", {356, 144}},        {"Album.png", {521, 420}},    {"Friend.png", {150, 200}},
        {"Icon.png", {32, 32}},           {"Walk1.png", {32, 32}},      {"Walk2.png", {32, 32}},
        {"MarkConfession.png", {32, 32}}, {"MarkMutual.png", {32, 32}}, {"SpriteA.png", {32, 64}},
        {"SpriteB.png", {32, 64}},        {"Heroine1.png", {32, 32}},   {"Heroine2.png", {32, 32}},
        {"Heroine3.png", {32, 32}},       {"Heroine4.png", {32, 32}},   {"Heroine5.png", {32, 32}},
        {"Heroine6.png", {32, 32}},       {"Heroine7.png", {32, 32}},   {"Heroine8.png", {32, 32}},
    };
    for (const auto& picture : pictures) {
        const Loaded loaded = LoadByContent(InData(picture.name));
        ASSERT_FALSE(loaded.image.isNull()) << picture.name << ": " << loaded.error;
        EXPECT_EQ(loaded.image.size(), picture.size) << picture.name;
    }
}

TEST(ContentPictures, SmallFiguresAndTheFriendBlendWithTheirWindows) {
    // The walking icons sit on the scene and the sprite on the demo's black: their
    // corners must be see-through.
    for (const char* name : {"Walk1.png", "Walk2.png", "SpriteA.png", "SpriteB.png"}) {
        const QImage image = LoadByContent(InData(name)).image;
        ASSERT_TRUE(image.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, 0)), 0) << name;
    }
    // The two walking frames differ, or the walk would not animate.
    EXPECT_NE(LoadByContent(InData("Walk1.png")).image, LoadByContent(InData("Walk2.png")).image);
    // The friend's portrait edge matches the start menu's light green.
    const QImage friendPortrait = LoadByContent(InData("Friend.png")).image;
    ASSERT_FALSE(friendPortrait.isNull());
    EXPECT_EQ(friendPortrait.pixelColor(0, 0).rgb(), qRgb(232, 255, 204));
}

}  // namespace
