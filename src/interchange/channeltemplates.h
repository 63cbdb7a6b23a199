#pragma once

#include "importchoice.h"
#include "planinterchange.h"

#include "image/choicetexts.h"
#include "image/codeplan.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <variant>

namespace vm280 {

// Ready-made channel plans: channel lists a plan can start from, kept as files the import
// chooser opens (CHIRP CSV, a JSON plan, a .DAT plan). The tool ships some; a user adds their
// own to a folder of their data folder, where a template of the same name wins.

/// A template file, named after its file name without the extension ("PMR446").
struct ChannelTemplate
{
    QString name;
    QString path;
};

/// The folder of the user's own templates: vm280/templates in the user's data folder
/// (~/.local/share/vm280/templates on Linux).
QString UserTemplateFolder();

/// Where templates are looked for, best first: the user's folder, beside the program
/// (templates/), the install prefix (<program dir>/../share/vm280/templates), then
/// vm280/templates in the system's data folders.
QStringList TemplateFolders();

/// The templates of folders (.csv, .json and .dat files), sorted by name regardless of case; of
/// templates with the same name, the one of the earlier folder.
QList<ChannelTemplate> FindTemplates(const QStringList &folders = TemplateFolders());

/// The template called name, in any case.
std::optional<ChannelTemplate> FindTemplate(QStringView name, const QStringList &folders = TemplateFolders());

/// The template at path opened for a new plan on top of plan: its rows placed as the list
/// suggests, the rows a plan takes by default ticked, and plan's band unless another band holds
/// more of them (so a radio's band stays whenever it can hold the template).
std::variant<ImportChoice, ImportError> OpenTemplate(const QString &path, const CodePlan &plan,
                                                     const ChoiceTexts &texts);

} // namespace vm280
