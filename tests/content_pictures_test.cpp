#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>
#include <QStringList>

#include <set>
#include <string>

namespace {

const QString kDataDir = QStringLiteral(VELMORA_DATA_DIR);

// Every scene picture the game can ask for: phone and walk, the empty places, each
// heroine where the timetable puts her, the gate at closing time and the epilogue.
const QStringList kSceneCodes = {
    "C300A", "C300B", "C310C", "C320C", "C330C", "C340C", "C350C", "C360C", "C370C",
    "C312C", "C321C", "C366C", "C375C", "C343C", "C354C", "C322A", "C322B", "C333C",
    "C344C", "C315C", "C326C", "C334C", "C353C", "C361C", "C373C", "C380C", "C381C",
    "C382C", "C383C", "C384C", "C385C", "C386C", "C387C", "C388C", "C380D",
};

QString InData(const QString& name) {
    return kDataDir + "/" + name;
}

// What the game does: the .VEL file if it is there, else the .GIF, format from the bytes.
QString SceneFile(const QString& code) {
    const QString vel = InData(code + ".VEL");
    return QFile::exists(vel) ? vel : InData(code + ".GIF");
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
    std::set<std::string> velFormats;
    for (const QString& code : kSceneCodes) {
        const QString path = SceneFile(code);
        const Loaded loaded = LoadByContent(path);
        ASSERT_FALSE(loaded.image.isNull()) << path.toStdString() << ": " << loaded.error;
        EXPECT_EQ(loaded.image.size(), QSize(300, 200)) << path.toStdString();
        if (path.endsWith(".VEL")) velFormats.insert(loaded.format);
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
