#include "dictionary/filecomponent.h"

#include "dictionary/fieldtypes.h"

namespace dict {

FileComponent &FileComponent::instance()
{
    static FileComponent component;
    return component;
}

void FileComponent::RegisterFile(std::string_view prefix, std::string_view name)
{
    for (RegisteredFile &f : files_)
        if (compareNoCase(f.prefix, prefix) == 0) {
            f.name = name;
            return;
        }
    files_.push_back({std::string(prefix), std::string(name)});
}

bool FileComponent::Ignored(std::string_view name) const
{
    for (const std::string &i : ignored_)
        if (compareNoCase(i, name) == 0)
            return true;
    return false;
}

std::string FileComponent::NameOf(std::string_view prefix) const
{
    for (const RegisteredFile &f : files_)
        if (compareNoCase(f.prefix, prefix) == 0)
            return f.name;
    return {};
}

void registerDataFiles()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    FileComponent &c = FileComponent::instance();
    c.RegisterDriver("Tps");
    c.Ignore("AllFiles");
    static const char *const files[][2] = {
        {"CRE", "Credit"},   {"CRS", "Crscription"},    {"CUS", "Customer"}, {"DES", "Description"},
        {"FIN", "Finance"},  {"INV", "Invoice"},        {"MEM", "Memos"},    {"PUD", "PurDescription"},
        {"PUR", "PurOrder"}, {"SET", "Setup"},          {"SPE", "Special"},  {"STO", "Stock"},
        {"STS", "Ststrend"}, {"TP_", "TagFilePos_"},    {"TF_", "TagFile_"}, {"TS_", "TagSet_"},
        {"TOT", "TotalInv"}, {"VEF", "VenFin"},         {"VEN", "Vendor"},
    };
    for (const auto &f : files)
        c.RegisterFile(f[0], f[1]);
}

} // namespace dict
