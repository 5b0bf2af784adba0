#include "windows/LanguageChoice.h"

#include "state/MessageText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <vector>

namespace corvane {

namespace {

// The catalogs are compiled at build time and embedded under :/i18n.
const QString CatalogFolder = QStringLiteral(":/i18n");

// The Japanese catalog, answering only for the messages Corvane adds itself:
// the contexts whose names end in "Messages". Everything else keeps the
// designed text of the code.
class OwnMessagesTranslator : public QTranslator {
public:
    bool load() { return japanese_.load(QStringLiteral("corvane_ja"), CatalogFolder); }

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        if (context == nullptr || !QByteArrayView(context).endsWith("Messages")) return {};
        return japanese_.translate(context, sourceText, disambiguation, n);
    }
    bool isEmpty() const override { return japanese_.isEmpty(); }

private:
    QTranslator japanese_;
};

struct Installed {
    Language language = Language::Default;
    std::vector<std::unique_ptr<QTranslator>> translators;
};

Installed& installed() {
    static Installed state;
    return state;
}

std::unique_ptr<QTranslator> Catalog(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder)) return nullptr;
    return translator;
}

}  // namespace

Language ResolveLanguage(QSettings& settings, std::optional<Language> given) {
    const QString key = QString::fromLatin1(LanguageSettingKey);
    if (given) {
        settings.setValue(key, QString::fromLatin1(LanguageName(*given)));
        settings.sync();
        // The choice holds for this start either way; the user learns that
        // the next start will not know it.
        if (settings.status() != QSettings::NoError)
            qWarning("corvane: the language could not be remembered: \"%s\" cannot be written",
                     PathForMessage(settings.fileName().toStdString()).c_str());
        return *given;
    }
    return LanguageNamed(settings.value(key).toString().toStdString()).value_or(Language::Default);
}

void InstallLanguage(Language language) {
    Installed& state = installed();
    for (const auto& translator : state.translators) QCoreApplication::removeTranslator(translator.get());
    state.translators.clear();
    state.language = language;

    switch (language) {
    case Language::Default: {
        auto own = std::make_unique<OwnMessagesTranslator>();
        if (own->load()) state.translators.push_back(std::move(own));
        break;
    }
    case Language::English:
        if (auto english = Catalog(QStringLiteral("corvane_en"), CatalogFolder))
            state.translators.push_back(std::move(english));
        break;
    case Language::Japanese:
        if (auto japanese = Catalog(QStringLiteral("corvane_ja"), CatalogFolder))
            state.translators.push_back(std::move(japanese));
        // Qt's own texts (the file dialog's, the text boxes' menus), where
        // the system has Qt's Japanese catalog.
        if (auto qt =
                Catalog(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            state.translators.push_back(std::move(qt));
        break;
    }
    for (const auto& translator : state.translators) QCoreApplication::installTranslator(translator.get());
}

Language InstalledLanguage() { return installed().language; }

}  // namespace corvane
