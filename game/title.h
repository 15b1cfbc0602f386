// The title scene.
#pragma once

// The first scene function: starts the title and stores the title frame.
void EnterTitle();
