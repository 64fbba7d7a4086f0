#include "frontend/SettingsWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QStyle>

#include "campus/CampusScreen.h"
#include "frontend/voicing.h"
#include "media/audio.h"
#include "ui/accessible.h"
#include "ui/runtime.h"
#include "ui/twips.h"

namespace {

constexpr int kRowTwips = 480;
constexpr int kFieldLeft = 1560;

// The soundfonts a Debian system keeps in one place.
const char kSoundfontFolder[] = "/usr/share/sounds/sf2";

// A control of Qt's own, placed and lettered as the game's controls are.
template <class Control>
Control* Place(Control* control, int left, int top, int width, int height) {
    ui::PlaceTwips(control, left, top, width, height);
    control->setFont(ui::DesignFont(ui::kPGothic, 9));
    return control;
}

// A check box whose box grows with the game's scale, as its lettering does; the style draws it
// at one size whatever the font.
class ScaledCheckBox : public QCheckBox, public ui::ScaleAware {
  public:
    ScaledCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
        ScaledCheckBox::ScaleChanged();
    }
    void ScaleChanged() override {
        const QStyle* style = QApplication::style();
        const int box = style->pixelMetric(QStyle::PM_IndicatorWidth) * ui::Scale();
        const int gap = style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) * ui::Scale();
        setStyleSheet(QStringLiteral("QCheckBox { spacing: %2px; }"
                                     "QCheckBox::indicator { width: %1px; height: %1px; }")
                          .arg(box)
                          .arg(gap));
    }
};

}  // namespace

SettingsWindowForm::SettingsWindowForm() {
    SetClientSize(5400, 3960);
    SetIcon(QStringLiteral("Icon.png"));
    for (int i = 0; i < kRows; ++i)
        rowLabels_[static_cast<size_t>(i)] =
            new ui::Label(this, 240, 270 + kRowTwips * i, 1320, 300);
    const auto slider = [this](int row) {
        auto* s =
            Place(new QSlider(Qt::Horizontal, this), kFieldLeft, 240 + kRowTwips * row, 2400, 330);
        s->setRange(0, 100);
        s->setPageStep(10);
        return s;
    };
    musicVolume = slider(0);
    musicMute = Place(new ScaledCheckBox(QString(), this), 4200, 240, 1080, 330);
    effectVolume = slider(1);
    effectMute = Place(new ScaledCheckBox(QString(), this), 4200, 240 + kRowTwips, 1080, 330);
    scaleChoice = Place(new QComboBox(this), kFieldLeft, 240 + kRowTwips * 2, 2400, 360);
    for (int n = 0; n <= ui::kMaxScale; ++n) scaleChoice->addItem(QString());
    soundfontChoice = Place(new QComboBox(this), kFieldLeft, 240 + kRowTwips * 3, 3720, 360);
    // Each language named in its own words, so that a player who cannot read the other finds
    // his way back.
    languageChoice = Place(new QComboBox(this), kFieldLeft, 240 + kRowTwips * 4, 2400, 360);
    languageChoice->addItem(QStringLiteral("日本語"));
    languageChoice->addItem(QStringLiteral("English"));
    fullScreenBox = Place(new ScaledCheckBox(QString(), this), 240, 240 + kRowTwips * 5, 3000, 330);
    voicingBox = Place(new ScaledCheckBox(QString(), this), 240, 240 + kRowTwips * 6, 3000, 330);
    closeButton = new ui::CommandButton(this, 4080, 3360, 1200, 390, QString());

    soundfonts_.append(QString());
    soundfontChoice->addItem(QString());
    for (const QFileInfo& file : QDir(QString::fromLatin1(kSoundfontFolder))
                                     .entryInfoList({"*.sf2", "*.SF2"}, QDir::Files)) {
        soundfonts_.append(file.absoluteFilePath());
        soundfontChoice->addItem(file.completeBaseName());
    }

    for (QSlider* s : {musicVolume, effectVolume})
        QObject::connect(s, &QSlider::valueChanged, this, [this] { Changed(); });
    for (QCheckBox* box : {musicMute, effectMute, fullScreenBox, voicingBox})
        QObject::connect(box, &QCheckBox::toggled, this, [this] { Changed(); });
    for (QComboBox* choice : {scaleChoice, soundfontChoice, languageChoice})
        QObject::connect(choice, &QComboBox::currentIndexChanged, this, [this] { Changed(); });
    closeButton->onClick = [this] { Hide(); };

    setTabOrder(musicVolume, musicMute);
    setTabOrder(musicMute, effectVolume);
    setTabOrder(effectVolume, effectMute);
    setTabOrder(effectMute, scaleChoice);
    setTabOrder(scaleChoice, soundfontChoice);
    setTabOrder(soundfontChoice, languageChoice);
    setTabOrder(languageChoice, fullScreenBox);
    setTabOrder(fullScreenBox, voicingBox);
    setTabOrder(voicingBox, closeButton);
    ShowWords();
}

void SettingsWindowForm::ShowWords() {
    SetCaption(QCoreApplication::translate("Settings", "設定 -Velmora 3rd STORY-"));
    static const char* const rows[kRows] = {QT_TRANSLATE_NOOP("Settings", "音楽の音量"),
                                            QT_TRANSLATE_NOOP("Settings", "効果音の音量"),
                                            QT_TRANSLATE_NOOP("Settings", "画面の大きさ"),
                                            QT_TRANSLATE_NOOP("Settings", "サウンドフォント"),
                                            QT_TRANSLATE_NOOP("Settings", "言語 (Language)")};
    for (int i = 0; i < kRows; ++i)
        rowLabels_[static_cast<size_t>(i)]->SetCaption(
            QCoreApplication::translate("Settings", rows[i]));
    for (QCheckBox* mute : {musicMute, effectMute})
        mute->setText(QCoreApplication::translate("Settings", "消音"));
    scaleChoice->setItemText(0, QCoreApplication::translate("Settings", "画面に合わせる"));
    for (int n = 1; n <= ui::kMaxScale; ++n)
        scaleChoice->setItemText(n, QCoreApplication::translate("Settings", "%1 倍").arg(n));
    soundfontChoice->setItemText(0, QCoreApplication::translate("Settings", "標準"));
    fullScreenBox->setText(QCoreApplication::translate("Settings", "全画面で遊ぶ (F11)"));
    voicingBox->setText(QCoreApplication::translate("Settings", "自動読み上げ (F8)"));
    closeButton->setText(QCoreApplication::translate("Settings", "閉じる"));
    ui::Describe(musicVolume, QCoreApplication::translate("Settings", "音楽の音量"),
                 QCoreApplication::translate("Settings", "0 から 100 まで。"));
    ui::Describe(musicMute, QCoreApplication::translate("Settings", "音楽を消す"), QString());
    ui::Describe(effectVolume, QCoreApplication::translate("Settings", "効果音の音量"),
                 QCoreApplication::translate("Settings", "0 から 100 まで。"));
    ui::Describe(effectMute, QCoreApplication::translate("Settings", "効果音を消す"), QString());
    ui::Describe(scaleChoice, QCoreApplication::translate("Settings", "画面の大きさ"),
                 QCoreApplication::translate(
                     "Settings", "ゲームを何倍の大きさで描くか。全画面では画面に合わせます。"));
    ui::Describe(soundfontChoice, QCoreApplication::translate("Settings", "サウンドフォント"),
                 QCoreApplication::translate("Settings", "音楽を鳴らす音色のファイル。"));
    ui::Describe(
        languageChoice, QCoreApplication::translate("Settings", "言語 (Language)"),
        QCoreApplication::translate("Settings", "日本語 / English。すぐに切り替わります。"));
    ui::Describe(fullScreenBox, QCoreApplication::translate("Settings", "全画面"),
                 QCoreApplication::translate("Settings", "F11 でも切り替えます。"));
    ui::Describe(
        voicingBox, QCoreApplication::translate("Settings", "自動読み上げ"),
        QCoreApplication::translate(
            "Settings", "ゲームが台詞や選んでいるものを声で読み上げます。F8 でも切り替えます。"));
    ui::Describe(closeButton, QCoreApplication::translate("Settings", "閉じる"),
                 QCoreApplication::translate("Settings", "Esc でも閉じます。"));
}

void SettingsWindowForm::Form_LanguageChanged() {
    ShowWords();
    Form::Form_LanguageChanged();
}

void SettingsWindowForm::Form_Load() {
    // The language in play, which the command line may have chosen over the stored one.
    Comforts c = StoredComforts();
    c.language = ui::CurrentLanguage();
    ShowComforts(c);
    ui::CenterForm(*this);
}

void SettingsWindowForm::ShowComforts(const Comforts& c) {
    showing_ = true;
    musicVolume->setValue(c.musicVolume);
    musicMute->setChecked(c.musicMuted);
    effectVolume->setValue(c.effectVolume);
    effectMute->setChecked(c.effectMuted);
    scaleChoice->setCurrentIndex(c.scale);
    // A soundfont kept elsewhere, named on the command line or in the file, is listed too.
    if (!soundfonts_.contains(c.soundfont)) {
        soundfonts_.append(c.soundfont);
        soundfontChoice->addItem(QFileInfo(c.soundfont).completeBaseName());
    }
    soundfontChoice->setCurrentIndex(static_cast<int>(soundfonts_.indexOf(c.soundfont)));
    languageChoice->setCurrentIndex(c.language == ui::Language::English ? 1 : 0);
    fullScreenBox->setChecked(c.fullScreen);
    voicingBox->setChecked(c.selfVoicing);
    // In full screen the game takes the largest scale that fits.
    scaleChoice->setEnabled(!c.fullScreen);
    showing_ = false;
}

void SettingsWindowForm::Changed() {
    if (showing_) return;
    const Comforts before = StoredComforts();
    Comforts c = before;
    c.musicVolume = musicVolume->value();
    c.musicMuted = musicMute->isChecked();
    c.effectVolume = effectVolume->value();
    c.effectMuted = effectMute->isChecked();
    c.scale = scaleChoice->currentIndex();
    c.soundfont = soundfonts_.value(soundfontChoice->currentIndex());
    c.fullScreen = fullScreenBox->isChecked();
    c.selfVoicing = voicingBox->isChecked();
    c.language =
        languageChoice->currentIndex() == 1 ? ui::Language::English : ui::Language::Japanese;
    if (c.soundfont != before.soundfont) {
        const QString font = c.soundfont.isEmpty() ? media::DefaultSoundfont() : c.soundfont;
        if (!media::ChangeSoundfont(font)) {
            ui::MsgBox(QCoreApplication::translate(
                           "Settings", "このサウンドフォントは読み込めませんでした。\r\n") +
                           font,
                       ui::vbOKOnly | ui::vbExclamation,
                       QCoreApplication::translate("Settings", "設定"));
            c.soundfont = before.soundfont;
        }
    }
    StoreComforts(c);
    ApplyVolumes(c);
    if (c.scale != before.scale) SetWindowScale(c.scale);
    if (c.fullScreen != before.fullScreen) SetFullScreenComfort(c.fullScreen);
    ShowComforts(c);
    if (c.selfVoicing != before.selfVoicing) ChooseVoicing(c.selfVoicing);
    // Last, with every other comfort settled: the screens show their words again at once, and
    // the game and its clock go on untouched.
    ui::SwitchLanguage(c.language);
}

void SettingsWindowForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        Hide();
    else
        ui::Form::keyPressEvent(event);
}

void OpenSettings() {
    if (SettingsWindow.IsLoaded() && SettingsWindow->isVisible()) {
        SettingsWindow->Attract();
        return;
    }
    if (CampusScreen.IsLoaded() && CampusScreen->isVisible()) CampusScreen->Pause();
    SettingsWindow->ShowModal();
    SettingsWindow.Unload();
}
