#include "host/AcDbDatabase.h"

#include "host/DatabaseInternals.h"

AcDbObject* AcDbDatabase::Impl::find(std::uint64_t handle) const {
    auto it = objects.find(handle);
    return it == objects.end() ? nullptr : it->second.get();
}

void AcDbDatabase::Impl::replaceAll(std::map<std::uint64_t, std::unique_ptr<AcDbObject>> loaded,
                                    std::uint64_t loadedNextHandle, AcDbDatabase& owner) {
    for (auto& [handle, object] : loaded) {
        object->database_ = &owner;
        object->id_ = AcDbObjectId::fromHandle(handle);
        object->erased_ = false;
        object->open_ = false;
        object->writeEnabled_ = false;
    }
    objects = std::move(loaded);
    nextHandle = loadedNextHandle;
}

void AcDbDatabase::Impl::refreshOpenState(AcDbObject& object) const {
    object.open_ = false;
    object.writeEnabled_ = false;
    for (const AcTransaction* transaction : transactions) {
        auto it = transaction->impl_->records.find(object.id_.handle());
        if (it == transaction->impl_->records.end()) continue;
        object.open_ = true;
        object.writeEnabled_ = object.writeEnabled_ || it->second.forWrite;
    }
}

AcDbDatabase::AcDbDatabase() : impl_(std::make_unique<Impl>()) {}

AcDbDatabase::~AcDbDatabase() {
    for (AcTransaction* transaction : impl_->transactions) {
        transaction->impl_->active = false;
        transaction->impl_->database = nullptr;
    }
}

Acad::ErrorStatus AcDbDatabase::addObject(std::unique_ptr<AcDbObject> object, AcDbObjectId& id) {
    if (!object || object->database_ != nullptr) return Acad::eInvalidInput;
    std::uint64_t handle = impl_->nextHandle++;
    object->database_ = this;
    object->id_ = AcDbObjectId::fromHandle(handle);
    if (!impl_->transactions.empty()) {
        AcTransaction::Impl::Record& record = impl_->transactions.back()->impl_->records[handle];
        record.created = true;
        record.forWrite = true;
        object->open_ = true;
        object->writeEnabled_ = true;
    }
    impl_->objects.emplace(handle, std::move(object));
    id = AcDbObjectId::fromHandle(handle);
    return Acad::eOk;
}

AcArray<AcDbObjectId> AcDbDatabase::objectIds() const {
    AcArray<AcDbObjectId> ids(static_cast<int>(impl_->objects.size()));
    for (const auto& [handle, object] : impl_->objects) {
        if (!object->erased_) ids.append(AcDbObjectId::fromHandle(handle));
    }
    return ids;
}

int AcDbDatabase::objectCount() const {
    int count = 0;
    for (const auto& entry : impl_->objects) count += entry.second->erased_ ? 0 : 1;
    return count;
}

bool AcDbDatabase::contains(AcDbObjectId id) const {
    const AcDbObject* object = impl_->find(id.handle());
    return object != nullptr && !object->erased_;
}

std::uint64_t AcDbDatabase::nextHandle() const {
    return impl_->nextHandle;
}

AcTransaction* AcDbDatabase::topTransaction() const {
    return impl_->transactions.empty() ? nullptr : impl_->transactions.back();
}

int AcDbDatabase::transactionDepth() const {
    return static_cast<int>(impl_->transactions.size());
}
