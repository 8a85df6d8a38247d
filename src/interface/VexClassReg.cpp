#include "interface/VexClassReg.h"

#include "archive/SFunctions.h"
#include "interface/VexButton.h"
#include "interface/VexCheckBox.h"
#include "interface/VexDefaults.h"
#include "interface/VexEdit.h"
#include "interface/VexFont.h"
#include "interface/VexForm.h"
#include "interface/VexGrid.h"
#include "interface/VexProgressBar.h"
#include "interface/VexRadioButton.h"
#include "interface/VexRichLabel.h"

namespace {

template <class C> TVexClassReg::TClassInfo Entry() {
    return {C::StaticClassName, [] { return std::unique_ptr<TVexObject>(new C()); }};
}

} // namespace

TVexClassReg::TVexClassReg()
    : classes_{Entry<TVexObject>(),          Entry<TVexFont>(),     Entry<TVexDefaults>(),
               Entry<TVexInterfaceObject>(), Entry<TVexForm>(),     Entry<TVexTabForm>(),
               Entry<TVexLabel>(),           Entry<TVexButton>(),   Entry<TVexCheckBox>(),
               Entry<TVexRadioButton>(),     Entry<TVexEdit>(),     Entry<TVexGrid>(),
               Entry<TVexProgressBar>(),     Entry<TVexRichLabel>()} {}

const TVexClassReg::TClassInfo* TVexClassReg::Find(const std::string& className) const {
    for (const TClassInfo& c : classes_)
        if (SameText(c.Name, className)) return &c;
    return nullptr;
}
