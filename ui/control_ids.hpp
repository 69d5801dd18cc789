// Child window identifiers of Form1; the end-to-end tests find controls by them.
#pragma once

namespace numora::ui {

// Clear of IDOK and IDCANCEL, which the dialog manager sends for Enter and Esc.
enum ControlId : int {
    kFrame2 = 100,
    kCheck2,
    kCheck1,
    kPicture2,
    kFrame1,
    kLabel1,
    kCommand1,
    kText1,
    kPicture1,
    kFrame3,
    kOption2,
    kOption1,
};

}  // namespace numora::ui
