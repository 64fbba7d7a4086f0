#include "records/settings.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kSection = QStringLiteral("Velmora3");

// Built afresh on every use, so that the store follows the config folder of the moment.
std::unique_ptr<QSettings> Store() {
    auto store = std::make_unique<QSettings>(SettingsFilePath(), QSettings::IniFormat);
    store->beginGroup(kSection);
    return store;
}

// The key as it is stored, whatever its case; the key itself when it was never written.
QString StoredKey(const QSettings& store, const QString& key) {
    for (const QString& stored : store.childKeys())
        if (stored.compare(key, Qt::CaseInsensitive) == 0) return stored;
    return key;
}

}  // namespace

QString SettingsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Korvane/Velmora3.ini");
}

QString GetSetting(const QString& key) {
    auto store = Store();
    // An unquoted comma in the file makes the value a list; the record wants the text as it
    // stands there.
    const QVariant value = store->value(StoredKey(*store, key));
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SaveSetting(const QString& key, const QString& value) {
    auto store = Store();
    store->setValue(StoredKey(*store, key), value);
    store->sync();
}

void DeleteSettingsSection() {
    auto store = Store();
    store->endGroup();
    store->remove(kSection);
    store->sync();
}
