#include "host/AcTransaction.h"

#include "host/DatabaseInternals.h"
#include "host/FieldReader.h"
#include "host/FieldWriter.h"

namespace {

// Folds what an inner transaction remembers into the outer one. The outer one's memory of an
// object is older, so it wins where both have one.
void handOver(AcTransaction::Impl& inner, AcTransaction::Impl& outer) {
    for (auto& [handle, record] : inner.records) {
        auto [it, inserted] = outer.records.try_emplace(handle, std::move(record));
        if (inserted) continue;
        AcTransaction::Impl::Record& kept = it->second;
        kept.forWrite = kept.forWrite || record.forWrite;
        if (!kept.remembered && !kept.created && record.remembered) {
            kept.remembered = true;
            kept.erasedBefore = record.erasedBefore;
            kept.fields = std::move(record.fields);
        }
    }
    inner.records.clear();
}

}  // namespace

AcTransaction::AcTransaction(AcDbDatabase& database) : impl_(std::make_unique<Impl>()) {
    impl_->database = &database;
    database.impl_->transactions.push_back(this);
}

AcTransaction::~AcTransaction() {
    if (impl_->active) abort();
}

bool AcTransaction::isActive() const {
    return impl_->active;
}

AcDbDatabase* AcTransaction::database() const {
    return impl_->database;
}

Acad::ErrorStatus AcTransaction::getObject(AcDbObject*& object, AcDbObjectId id,
                                           host::OpenMode mode, bool openErased) {
    object = nullptr;
    if (!impl_->active) return Acad::eTransactionEnded;
    AcDbDatabase::Impl& db = *impl_->database->impl_;
    if (db.transactions.back() != this) return Acad::eInnerTransactionOpen;
    AcDbObject* found = db.find(id.handle());
    if (found == nullptr) return Acad::eObjectNotFound;
    if (found->erased_ && !openErased) return Acad::eObjectErased;

    Impl::Record& record = impl_->records[id.handle()];
    if (mode == host::OpenMode::ForWrite && !record.forWrite) {
        if (!record.created && !record.remembered) {
            host::FieldWriter writer;
            found->writeFields(writer);
            record.fields = writer.takeFields();
            record.erasedBefore = found->erased_;
            record.remembered = true;
        }
        record.forWrite = true;
    }
    found->open_ = true;
    found->writeEnabled_ = found->writeEnabled_ || record.forWrite;
    object = found;
    return Acad::eOk;
}

Acad::ErrorStatus AcTransaction::addNewObject(std::unique_ptr<AcDbObject> object,
                                              AcDbObjectId& id) {
    if (!impl_->active) return Acad::eTransactionEnded;
    if (impl_->database->topTransaction() != this) return Acad::eInnerTransactionOpen;
    return impl_->database->addObject(std::move(object), id);
}

Acad::ErrorStatus AcTransaction::commit() {
    if (!impl_->active) return Acad::eTransactionEnded;
    AcDbDatabase::Impl& db = *impl_->database->impl_;
    if (db.transactions.back() != this) return Acad::eInnerTransactionOpen;
    db.transactions.pop_back();
    std::vector<std::uint64_t> touched;
    for (const auto& entry : impl_->records) touched.push_back(entry.first);
    if (!db.transactions.empty()) handOver(*impl_, *db.transactions.back()->impl_);
    impl_->records.clear();
    impl_->active = false;
    for (std::uint64_t handle : touched) {
        if (AcDbObject* object = db.find(handle)) db.refreshOpenState(*object);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcTransaction::abort() {
    if (!impl_->active) return Acad::eTransactionEnded;
    AcDbDatabase::Impl& db = *impl_->database->impl_;
    Acad::ErrorStatus status = Acad::eOk;
    while (db.transactions.back() != this) {
        if (db.transactions.back()->abort() != Acad::eOk) status = Acad::eInvalidInput;
    }
    db.transactions.pop_back();
    impl_->active = false;
    for (auto& [handle, record] : impl_->records) {
        AcDbObject* object = db.find(handle);
        if (object == nullptr) continue;
        if (record.created) {
            db.objects.erase(handle);
            continue;
        }
        if (record.remembered) {
            host::FieldReader reader(record.fields);
            if (object->readFields(reader) != Acad::eOk || !reader.ok())
                status = Acad::eInvalidInput;
            object->erased_ = record.erasedBefore;
        }
        db.refreshOpenState(*object);
    }
    impl_->records.clear();
    return status;
}
