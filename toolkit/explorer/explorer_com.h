// COM for the shell on the threads that create explorers.
#pragma once

// Initialises COM (apartment-threaded) once on the calling thread, unless the application has
// initialised it there itself.
void ExplorerComEnsure();
