#pragma once

#include "screens/update/UpdateScreenViewController.h"

#include <functional>
#include <memory>

class Button;
class NetworkManger;
class QLabel;
class TextView;
namespace platform {
class Reachability;
}

// Checks for a new version: finds the region once the network is reachable, then asks the
// update server, and hands over to the new-version screen or leaves the update flow.
class CheckOTAViewController : public UpdateScreenViewController {
    Q_OBJECT

public:
    static constexpr int pictureTop = 51;
    static constexpr int titleHeight = 19;
    static constexpr QSize cancelButtonSize{292, 32};

    // What the check needs from the application: the update client, the region lookup (its
    // answer comes as "getRegion") and a network monitor.
    struct Services {
        NetworkManger* updateClient = nullptr;
        std::function<void()> requestRegion;
        std::function<std::unique_ptr<platform::Reachability>()> makeReachability;
    };

    explicit CheckOTAViewController(Services services);
    ~CheckOTAViewController() override;

    void didCancelClick();
    void getRegionWithNotification();
    void checkOTADoneWithNotification();

    // Ends the check without a new version.
    void finishWithoutUpdate();

    [[nodiscard]] QLabel* otaImage() const { return otaImage_; }
    [[nodiscard]] TextView* otaTitleText() const { return otaTitleText_; }
    [[nodiscard]] Button* cancelButton() const { return cancelButton_; }

protected:
    void viewDidLoad() override;
    void viewDidAppear() override;
    void viewDidDisappear() override;
    void layoutElements(QSize viewSize) override;

private:
    void startReachability();

    QLabel* otaImage_ = nullptr;
    TextView* otaTitleText_ = nullptr;
    Button* cancelButton_ = nullptr;
    Services services_;
    std::unique_ptr<platform::Reachability> reachability_;
};
