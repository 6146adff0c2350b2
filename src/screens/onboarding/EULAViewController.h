#pragma once

#include "screens/onboarding/AgreementViewController.h"

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The first screen of the first run: the licence agreement in the user's language. Accepting
// stores it and asks for the microphone; declining quits and stores nothing.
class EULAViewController : public AgreementViewController {
    Q_OBJECT

public:
    static constexpr std::string_view englishAgreement = "LumatixUphoneappEULA_EN";
    static constexpr std::string_view agreementType = "html";

    EULAViewController();

    // The agreement resource for a bundle localization such as "zh-Hant" or "en".
    [[nodiscard]] static std::string_view agreementResourceName(std::string_view localization);
    // The agreement's HTML for the first preferred localization, the English one when that
    // cannot be read, none (with a line) when neither can.
    [[nodiscard]] static std::optional<QString> loadAgreementText();

    void didAgreeClick() override;
    void didCancelClick() override;

protected:
    bool loadContent(TextView* content) override;

private:
    void handleMicrophoneAnswer(bool granted);
};
