#include "records/settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "records/safewrite.h"
#include "ui/runtime.h"

namespace {

const QString kSection = QStringLiteral("Velmora3");
const QString kComfortSection = QStringLiteral("Comfort");

// Built afresh on every use, so that the store follows the config folder of the moment.
std::unique_ptr<QSettings> Store(const QString& section = kSection) {
    auto store = std::make_unique<QSettings>(SettingsFilePath(), QSettings::IniFormat);
    store->beginGroup(section);
    return store;
}

// The key as it is stored, whatever its case; the key itself when it was never written.
QString StoredKey(const QSettings& store, const QString& key) {
    for (const QString& stored : store.childKeys())
        if (stored.compare(key, Qt::CaseInsensitive) == 0) return stored;
    return key;
}

// Writes the store out. When it cannot be, the player hears it once, with the reason, and
// plays on; once it can be again, a later failure is told again.
void Sync(QSettings& store) {
    static bool told = false;
    store.sync();
    if (store.status() != QSettings::AccessError) {
        told = false;
        return;
    }
    if (told) return;
    told = true;
    const QString why = WriteFailure(WriteErrorBeside(store.fileName()), store.fileName());
    ui::MsgBox(QCoreApplication::translate("Problems",
                                           "名前やクリアの記録などの設定を保存できません。\r\n") +
                   why +
                   QCoreApplication::translate(
                       "Problems", "\r\nこのまま遊べますが、次に起動したときには残っていません。"),
               ui::vbOKOnly | ui::vbExclamation, QStringLiteral("Velmora 3rd STORY"));
}

}  // namespace

QString SettingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Korvane/Velmora3.ini");
}

namespace {
QString Get(const QString& section, const QString& key) {
    auto store = Store(section);
    // An unquoted comma in the file makes the value a list; the record wants the text as it
    // stands there.
    const QVariant value = store->value(StoredKey(*store, key));
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

QString g_seedKey;
QString g_seedValue;

void Save(const QString& section, const QString& key, const QString& value) {
    const bool born = !HasSettingsFile();
    auto store = Store(section);
    if (born && !g_seedKey.isEmpty()) {
        store->endGroup();
        store->setValue(kComfortSection + QLatin1Char('/') + g_seedKey, g_seedValue);
        store->beginGroup(section);
    }
    store->setValue(StoredKey(*store, key), value);
    Sync(*store);
}
}  // namespace

QString GetSetting(const QString& key) {
    return Get(kSection, key);
}
void SaveSetting(const QString& key, const QString& value) {
    Save(kSection, key, value);
}
QString GetComfortSetting(const QString& key) {
    return Get(kComfortSection, key);
}
void SaveComfortSetting(const QString& key, const QString& value) {
    Save(kComfortSection, key, value);
}

bool HasSettingsFile() {
    return QFileInfo::exists(SettingsFilePath());
}

void SeedNewSettingsFile(const QString& comfortKey, const QString& value) {
    g_seedKey = comfortKey;
    g_seedValue = value;
}

void DeleteSettingsSection() {
    auto store = Store();
    store->endGroup();
    store->remove(kSection);
    Sync(*store);
}
