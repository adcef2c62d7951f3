#include "dictionary/relationmanager.h"

#include "dictionary/fieldaccess.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/runtimeerror.h"

#include <cassert>
#include <cstdlib>
#include <cstring>

namespace dict {

namespace {
bool isFieldOf(const FileDef &def, const FieldDef *field)
{
    return field >= def.fields.data() && field < def.fields.data() + def.fields.size();
}

int passCounter = 0; // one number per cascading open or close, so no file is visited twice

// Opens a file for the length of a walk when its group was not opened.
class OpenForWalk
{
public:
    explicit OpenForWalk(FileManager &file)
        : file_(file)
        , opened_(!file.Opened() && file.TryOpen() == Benign)
    {}
    ~OpenForWalk()
    {
        if (opened_)
            file_.Close();
    }

private:
    FileManager &file_;
    bool opened_;
};
} // namespace

void RelationManager::Init(FileManager *fileManager, bool useTransactions)
{
    Me = fileManager;
    useTransactions_ = useTransactions;
}

void RelationManager::AddRelation(RelationManager *other)
{
    relations_.push_back({});
    relations_.back().other = other;
}

void RelationManager::AddRelation(RelationManager *other, int updateRule, int deleteRule, KeyRef otherKey)
{
    assert(otherKey.file == other->Me->Id());
    AddRelation(other);
    relations_.back().updateRule = updateRule;
    relations_.back().deleteRule = deleteRule;
    relations_.back().otherKey = otherKey.index;
}

void RelationManager::AddRelationLink(FieldRef thisField, FieldRef otherField)
{
    Relation &r = relations_.back();
    // A field of another file is a programming error, caught by the first program that starts.
    if (!isFieldOf(Me->Def(), thisField.def) || !isFieldOf(r.other->Me->Def(), otherField.def))
        std::abort();
    r.links.AddPair({thisField.def, Me->Buffer().bytes}, {otherField.def, r.other->Me->Buffer().bytes});
}

int RelationManager::Kill()
{
    relations_.clear();
    return Benign;
}

void RelationManager::SetQuickScan(bool, bool) {} // reading ahead is the driver's own business

// --- opening the group ------------------------------------------------------------------------

// A relation that cannot be opened whole is not left half open: the files this open did open
// are closed again, so the caller, which will not close what failed, leaves no file behind.
int RelationManager::Open(bool cascade)
{
    std::vector<RelationManager *> opened;
    const int result = openInPass(++passCounter, cascade, opened);
    if (result != Benign)
        for (RelationManager *manager : opened)
            manager->Me->Close();
    return result;
}

int RelationManager::openInPass(int pass, bool cascade, std::vector<RelationManager *> &opened)
{
    if (lastOpenPass_ == pass)
        return Benign;
    lastOpenPass_ = pass;
    int result = Me->Open();
    if (result != Benign)
        return result;
    opened.push_back(this);
    if (!cascade)
        return result;
    for (Relation &r : relations_)
        if (const int related = r.other->openInPass(pass, true, opened); related != Benign && result == Benign)
            result = related;
    return result;
}

int RelationManager::Close(bool cascade) { return closeInPass(++passCounter, cascade); }

int RelationManager::closeInPass(int pass, bool cascade)
{
    if (lastClosePass_ == pass)
        return Benign;
    lastClosePass_ = pass;
    Me->Close();
    if (cascade)
        for (Relation &r : relations_)
            r.other->closeInPass(pass, true);
    return Benign;
}

int RelationManager::CancelAutoInc() { return Me->CancelAutoInc(this); }

// --- related records --------------------------------------------------------------------------

void RelationManager::Save()
{
    for (Relation &r : relations_)
        r.links.AssignLeftToBuffer();
}

RelationManager::SavedLinks RelationManager::savedLinks() const
{
    SavedLinks links;
    for (const Relation &r : relations_)
        links.push_back(r.links.Saved());
    return links;
}

void RelationManager::restoreLinks(const SavedLinks &links)
{
    for (std::size_t i = 0; i < relations_.size() && i < links.size(); ++i)
        relations_[i].links.SetSaved(links[i]);
}

// Positions of the related records that carry the linking values: the values saved before a change,
// or the current ones. Collected before any of them is touched, so changing a record's key never
// disturbs the walk.
std::vector<storage::Current> RelationManager::children(Relation &r, bool oldValues)
{
    FileManager &child = *r.other->Me;
    const FileDef &def = child.Def();
    std::vector<char> probe(def.recordSize), found(def.recordSize);
    for (const KeyComponent &c : def.keys[r.otherKey].components)
        setFieldExtreme(def.fields[c.field], probe.data(), c.descending); // first in key order
    if (oldValues)
        r.links.AssignBufferToRight(probe.data());
    else
        r.links.AssignLeftToRight(probe.data());

    std::vector<storage::Current> positions;
    auto walk = child.File()->cursor();
    walk->setAt(r.otherKey, probe.data());
    while (walk->next({found.data(), nullptr}) == Err::None && r.links.EqualRightFields(found.data(), probe.data()))
        positions.push_back(child.File()->currentOf(*walk));
    return positions;
}

// Restrict rules are checked before the record is written, so a refused change leaves nothing
// written and the old values back in the buffer.
int RelationManager::refuseRestrictedChange()
{
    for (Relation &r : relations_) {
        if (r.updateRule != RuleRestrict || r.links.EqualLeftBuffer())
            continue;
        OpenForWalk open(*r.other->Me);
        if (!children(r, true).empty()) {
            r.links.AssignBufferToLeft();
            if (Me->Errors())
                Me->Errors()->ThrowFile(Msg::RestrictUpdate, r.other->Me->GetName());
            return Notify;
        }
    }
    return Benign;
}

int RelationManager::Update(bool fromForm)
{
    if (const int refused = refuseRestrictedChange(); refused != Benign)
        return refused;
    if (const int result = Me->UpdateReporting(fromForm ? Msg::ChangedByOtherForm : Msg::ChangedByOther);
        result != Benign) {
        if (Me->GetError() == Err::ChangedByOther)
            Save(); // the buffer now holds the other station's version
        return result;
    }
    for (Relation &r : relations_) {
        if ((r.updateRule == RuleCascade || r.updateRule == RuleClear) && !r.links.EqualLeftBuffer())
            if (const int result = UpdateSecondary(r); result != Benign)
                return result;
    }
    Save();
    return Benign;
}

int RelationManager::UpdateSecondary(Relation &r)
{
    FileManager &child = *r.other->Me;
    OpenForWalk open(child);
    const KeptPlace kept(child);
    const SavedLinks links = r.other->savedLinks();
    int result = Benign;
    for (const storage::Current &at : children(r, true)) {
        if ((result = child.TryReget(at.position)) != Benign) {
            child.Throw(Msg::RetrievalError);
            break;
        }
        r.other->Save();
        if (r.updateRule == RuleCascade)
            r.links.AssignLeftToRight();
        else
            r.links.ClearRight();
        if ((result = r.other->Update(false)) != Benign)
            break;
    }
    r.other->restoreLinks(links);
    return result;
}

int RelationManager::DeleteSecondary(Relation &r)
{
    FileManager &child = *r.other->Me;
    OpenForWalk open(child);
    const std::vector<storage::Current> found = children(r, false);
    if (found.empty())
        return Benign;
    if (r.deleteRule == RuleRestrict) {
        if (Me->Errors())
            Me->Errors()->ThrowFile(Msg::RestrictDelete, child.GetName());
        return Notify;
    }
    const KeptPlace kept(child);
    const SavedLinks links = r.other->savedLinks();
    int result = Benign;
    for (const storage::Current &at : found) {
        if ((result = child.TryReget(at.position)) != Benign) {
            child.Throw(Msg::RetrievalError);
            break;
        }
        if (r.deleteRule == RuleCascade) {
            result = r.other->Delete(false);
        } else {
            r.other->Save();
            r.links.ClearRight();
            result = r.other->Update(false);
        }
        if (result != Benign)
            break;
    }
    r.other->restoreLinks(links);
    return result;
}

int RelationManager::Delete(bool ask)
{
    if (ask && Me->Throw(Msg::ConfirmDelete) != Benign)
        return Cancel;
    for (;;) {
        int result = Me->TryReget(Me->Position());
        if (result != Benign)
            Me->Throw(Msg::NotDeleted);
        for (std::size_t i = 0; result == Benign && i < relations_.size(); ++i)
            if (relations_[i].deleteRule != RuleNone)
                result = DeleteSecondary(relations_[i]);
        if (result == Benign && (result = Me->TryDeleteRecord()) != Benign)
            Me->Throw(Msg::NotDeleted);
        if (result == Benign)
            return Benign;
        if (Me->Throw(Msg::DeleteError) != Benign)
            return Notify;
    }
}

} // namespace dict
