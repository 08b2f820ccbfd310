#include "app/UDialogA.h"
#include "app/Unit1.h"

#include "platform/AppHost.h"
#include "platform/Forms.h"

int main(int argc, char** argv) {
    platform::TAppHost qtApp(argc, argv);
    platform::TApplication& application = platform::Application();
    try {
        application.Title = "Data Editor";
        application.Initialize();
        app::TForm1 form1(app::TForm1::DefaultSettingsFileName());
        form1.DialogAbout = new app::TDialogAbout(&form1);
        form1.show();
        return application.Run();
    } catch (const std::exception& error) {
        application.HandleException(error);
        return 1;
    }
}
