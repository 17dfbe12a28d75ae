#pragma once

// Hands each control event to its handler until a close request arrives.
void RunEventLoop();
