// The relation manager of one data file: owns its access manager, knows the file's relations,
// opens and closes the related files together and keeps related records consistent when a record
// is changed or deleted.
#pragma once

#include "dictionary/fieldpairs.h"
#include "dictionary/filemanager.h"

#include <vector>

namespace dict {

enum RelationRule : int { RuleNone = 0, RuleClear = 1, RuleRestrict = 2, RuleCascade = 3 };

class RelationManager
{
public:
    RelationManager() = default;
    virtual ~RelationManager() = default;
    RelationManager(const RelationManager &) = delete;
    RelationManager &operator=(const RelationManager &) = delete;

    void Init(FileManager *fileManager, bool useTransactions = false);
    // A file that is opened and closed with this one.
    void AddRelation(RelationManager *other);
    // A related file found through otherKey by the linking fields that AddRelationLink adds.
    void AddRelation(RelationManager *other, int updateRule, int deleteRule, KeyRef otherKey);
    // Links a field of this file (left) to a field of the last related file (right), each named
    // by its buffer's member: AddRelationLink(field(CUS.CUSTOMERNO), field(INV.CUSTOMERNO)).
    void AddRelationLink(FieldRef thisField, FieldRef otherField);

    // Virtual operations, in the order of the framework's slots.
    virtual int CancelAutoInc();
    virtual int Close(bool cascade = true);
    virtual int Delete(bool ask = true);
    virtual int Kill();
    virtual int Open(bool cascade = true);
    // Remembers the linking fields' values, so Update can tell whether they changed.
    virtual void Save();
    virtual void SetQuickScan(bool on, bool propagate = true);
    virtual int Update(bool fromForm = false);

    // The linking values remembered by Save(), per relation (thread contexts keep their own).
    using SavedLinks = std::vector<std::vector<std::vector<char>>>;
    SavedLinks savedLinks() const;
    void restoreLinks(const SavedLinks &links);

    FileManager *Me = nullptr;
    int RelationCount() const { return static_cast<int>(relations_.size()); }
    RelationManager *RelatedAt(int index) const { return relations_[index].other; }

protected:
    struct Relation {
        RelationManager *other = nullptr;
        int updateRule = RuleNone;
        int deleteRule = RuleNone;
        int otherKey = -1;
        BufferedPairsClass links; // left: this file's fields; right: the related file's
    };
    virtual int UpdateSecondary(Relation &relation);
    virtual int DeleteSecondary(Relation &relation);

private:
    std::vector<storage::Current> children(Relation &relation, bool oldValues);
    int openInPass(int pass, bool cascade, std::vector<RelationManager *> &opened);
    int closeInPass(int pass, bool cascade);
    int refuseRestrictedChange();

    std::vector<Relation> relations_;
    bool useTransactions_ = false;
    int lastOpenPass_ = 0;
    int lastClosePass_ = 0;
};

} // namespace dict
