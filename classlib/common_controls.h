#pragma once

// Makes the system's tab control class available. The common-controls library
// is not one of the DLLs that Windows only ever takes from the system folder,
// so it is loaded from there explicitly instead of being imported (an import
// would be looked for beside the executable first).
void EnsureTabControlClass();
