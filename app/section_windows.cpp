#include "section_windows.h"

#include "windows.h"

#include "forms/section_form.h"

namespace vazolar {

namespace {

QWidget* makeSectionForm(Shape shape, Windows& windows, UserDialogs& dialogs) {
    auto* form = new SectionForm(shape, dialogs);
    QObject::connect(form, &SectionForm::shapeRequested, form, [&windows, shape](Shape target) {
        windows.replace(sectionWindow(shape), sectionWindow(target));
    });
    QObject::connect(form, &SectionForm::creditsRequested, form,
                     [&windows] { windows.open(WindowId::Credits); });
    return form;
}

} // namespace

void registerSectionForms(Windows& windows, UserDialogs& dialogs) {
    for (Shape shape : kAllShapes) {
        windows.registerFactory(sectionWindow(shape), [shape, &windows, &dialogs] {
            return makeSectionForm(shape, windows, dialogs);
        });
    }
}

} // namespace vazolar
