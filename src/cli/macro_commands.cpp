#include "cli/macro_commands.h"

#include "core/app/device_stack.h"
#include "core/app/language_table.h"
#include "core/pages/macro_library_page.h"
#include "platform/atomic_file.h"

namespace orvane::cli {

namespace {

// The library as the window would load it.
struct Library {
  explicit Library(const std::string& exe_dir)
      : org(app::ShippedOrgSettings()),
        language(app::ShippedLanguage(1)),
        page({[this](std::string_view key) { return language.Text(key); },
              org.path.empty() ? exe_dir : org.path, org.EepromMode()}) {}

  app::OrgSettings org;
  app::LanguageTable language;
  pages::MacroLibraryPage page;
};

int Fail(CommandContext& context, const std::string& message) {
  std::fprintf(context.err, "%s\n", message.c_str());
  return 1;
}

int Show(CommandContext& context, pages::MacroLibraryPage& page, const std::string& name) {
  const auto entry = page.Find(name);
  if (!entry) return Fail(context, "no macro is called '" + name + "'");
  page.Select(*entry);
  for (const std::string& line : page.State().macro.lines)
    std::fprintf(context.out, "%s\n", line.c_str());
  return 0;
}

int Import(CommandContext& context, pages::MacroLibraryPage& page, const std::string& file) {
  // More than one entry's bytes is a whole library.
  const auto bytes = macro::ReadFileBytes(file, 32u << 20);
  if (!bytes) return Fail(context, "cannot read " + file);
  if (bytes->size() <= page.EntryBytes()) {
    if (const auto refusal = page.ImportOne(*bytes)) return Fail(context, *refusal);
    std::fprintf(context.out, "imported %s\n", page.State().names.back().c_str());
    return 0;
  }
  const pages::ImportAllResult result = page.ImportAll(*bytes);
  if (result.error) return Fail(context, *result.error);
  std::fprintf(context.out, "imported %d macros\n", result.imported);
  for (const std::string& skipped : result.skipped)
    std::fprintf(context.out, "skipped %s: no name, or a name already taken\n", skipped.c_str());
  return 0;
}

int Export(CommandContext& context, pages::MacroLibraryPage& page, const std::string& name,
           const std::string& file) {
  const auto entry = page.Find(name);
  if (!entry) return Fail(context, "no macro is called '" + name + "'");
  page.Select(*entry);
  std::string error;
  if (!util::WriteFileAtomically(file, *page.ExportSelected(), &error)) {
    return Fail(context, "cannot write " + file + ": " + error);
  }
  return 0;
}

}  // namespace

int MacroCommand(CommandContext& context, const std::vector<std::string>& args) {
  const std::string what = args.empty() ? "" : args[0];
  const size_t count = args.size();
  if (!(what == "list" && count == 1) && !(what == "show" && count == 2) &&
      !(what == "import" && count == 2) && !(what == "export" && count == 3)) {
    return Fail(context,
                "usage: orvanectl macro list | show NAME | import FILE | export NAME FILE");
  }
  Library library(context.exe_dir);
  if (const macro::LibraryLoad load = library.page.Load(); !load.ok)
    return Fail(context, load.error);
  pages::MacroLibraryPage& page = library.page;
  if (what == "list") {
    for (const std::string& name : page.State().names)
      std::fprintf(context.out, "%s\n", name.c_str());
    return 0;
  }
  if (what == "show") return Show(context, page, args[1]);
  if (what == "import") return Import(context, page, args[1]);
  return Export(context, page, args[1], args[2]);
}

}  // namespace orvane::cli
