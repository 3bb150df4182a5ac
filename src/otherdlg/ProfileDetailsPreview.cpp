#include "otherdlg/ProfileDetailsPreview.h"

#include <memory>

#include "core/macro/MacroData.h"
#include "core/macro/Mdx_DbProfile.h"
#include "core/macro/MixedWord.h"
#include "host/AcTransaction.h"

void ProfileDetailsPreview::show(const MacroProfData& props) {
    AcDbDatabase* database = data_.database();
    if (!data_.preview().temporary || !database) return;
    if (props.sectionName.isEmpty() || isMixedWord(props.sectionName)) return;
    AcTransaction transaction(*database);
    Mdx_DbProfile* profile = nullptr;
    if (!id_.isNull() &&
        transaction.getObject(profile, id_, host::OpenMode::ForWrite) != Acad::eOk)
        return;
    if (!profile) {
        auto drawn = std::make_unique<Mdx_DbProfile>();
        profile = drawn.get();
        AcDbObjectId id;
        if (transaction.addNewObject(std::move(drawn), id) != Acad::eOk) return;
        id_ = id;
    }
    profile->sectionName = props.sectionName;
    if (!props.material.isEmpty() && !isMixedWord(props.material)) profile->material = props.material;
    if (transaction.commit() != Acad::eOk) id_ = AcDbObjectId();
}
