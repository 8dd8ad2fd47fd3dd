#include "stats/ui/ChartLoader.h"

#include <QLabel>
#include <QLibrary>
#include <map>

#include "base/Translation.h"

namespace zq {

namespace {

struct ChartModule {
    ChartEntry entry = nullptr;
    QString error;
};

// Loaded once and kept: the module stays in memory for the rest of the run.
const ChartModule& LoadedModule(const std::string& programFolder) {
    static std::map<std::string, ChartModule> modules;
    auto found = modules.find(programFolder);
    if (found == modules.end()) {
        QLibrary library(QString::fromStdString(programFolder + kChartModuleName));
        ChartModule loaded;
        loaded.entry = reinterpret_cast<ChartEntry>(library.resolve(kChartEntryName));
        if (!loaded.entry) loaded.error = library.errorString();
        found = modules.emplace(programFolder, loaded).first;
    }
    return found->second;
}

}  // namespace

QWidget* CreateChart(const ChartSpec& spec, const std::string& programFolder, QWidget* parent) {
    const ChartModule& module = LoadedModule(programFolder);
    if (module.entry) return static_cast<QWidget*>(module.entry(&spec, parent));
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setText(
        QString::fromUtf8(Format(Tr("The charts cannot be shown: %s"), {module.error.toStdString()})));
    return label;
}

}  // namespace zq
