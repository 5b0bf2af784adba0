// render-web-pictures: the method window's pictures for the browser edition,
// drawn at build time by the windows' own code, in each language choice. A
// build-only helper (scripts/web.sh runs it); it is not installed.
//
//   render-web-pictures DIR
//
// writes DIR/formula.png and DIR/geometry-LANGUAGE.png for the languages
// en, ja and default (the designed mix), the names the page's language
// choice uses.
#include "assets/Pictures.h"
#include "windows/LanguageChoice.h"
#include "windows/ProgramOptions.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

namespace {

bool Save(const QPixmap& picture, const QString& path) {
    if (picture.save(path, "PNG")) return true;
    std::fprintf(stderr, "render-web-pictures: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: render-web-pictures DIR\n");
        return 2;
    }
    const QDir dir(args[0]);
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "render-web-pictures: cannot make %s\n", qPrintable(dir.path()));
        return 1;
    }
    if (!Save(corvane::FormulaPicture(), dir.filePath(QStringLiteral("formula.png")))) return 1;
    using corvane::Language;
    for (const Language language : {Language::English, Language::Japanese, Language::Default}) {
        corvane::InstallLanguage(language);
        const QString name = QStringLiteral("geometry-%1.png").arg(QLatin1String(corvane::LanguageName(language)));
        if (!Save(corvane::GeometrySketch(), dir.filePath(name))) return 1;
    }
    return 0;
}
