// The base of every declared procedure: what each one would otherwise repeat. A procedure states
// its name, title, the files it uses and its message tables once (ProcedureSpec); Init puts the
// name on the error manager's stack, clears GlobalRequest and GlobalResponse, adds the messages,
// opens the files, builds the window (the procedure's Build) and opens it; Kill closes exactly
// the files Init opened, also when Init stopped half-way, and the window manager saves the
// window's placement under the procedure's name.
#pragma once

#include "framework/windowmanager.h"

#include <QString>

#include <initializer_list>
#include <string>
#include <vector>

namespace dict {
class FileManager;
class RelationManager;
}

namespace fw {

class ErrorClass;

// A data file a procedure uses: through its relation manager (related files follow) or its
// access manager alone.
class FileUse
{
public:
    FileUse(dict::RelationManager &file) : relate_(&file) {}
    FileUse(dict::FileManager &file) : access_(&file) {}
    int open() const;
    void close() const;

private:
    dict::RelationManager *relate_ = nullptr;
    dict::FileManager *access_ = nullptr;
};

// Which update requests a form serves; any other is refused with "Invalid Request".
enum RequestSet : unsigned { ServesInsert = 1, ServesChange = 2, ServesDelete = 4, ServesAll = 7 };

struct ProcedureSpec {
    std::string name; // "Brw:Customers": errors, the settings section, the help page
    QString title;    // the window's title
    std::vector<FileUse> files;
    // Adds the procedure's own messages to the error manager (each adds its table once).
    std::vector<void (*)(ErrorClass &)> messages;
    bool resizable = true;
    unsigned serves = ServesAll; // update forms only
};

class Procedure : public WindowManager
{
public:
    explicit Procedure(ProcedureSpec spec);
    ~Procedure() override;

    int Init() override;
    int Kill() override;

    const ProcedureSpec &spec() const { return spec_; }

protected:
    // Before any file is opened; false ends the procedure quietly (a single window brought
    // forward instead, a request it cannot take).
    virtual bool Admit() { return true; }
    // After the files are open: builds the controls into window() and binds them. A result other
    // than 0 ends the procedure; the files are closed again.
    virtual int Build() = 0;
    // In Kill, before the files are closed.
    virtual void Closing() {}
    // The window's title: the declared one unless the procedure words it at run time.
    virtual QString WindowTitle() const { return spec_.title; }

private:
    bool servesRequest();

    ProcedureSpec spec_;
    std::vector<const FileUse *> opened_;
};

} // namespace fw
