<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>Оновлення…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>Оновлено: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>Зробити %@ основною валютою?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Схоже, комп’ютер тепер у іншій країні. Cambio може показати валюту цієї країни у верхньому рядку.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio — конвертер валют для вашої стільниці</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Валюти</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>Оновити курси</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>Скинути суми</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Розгорнути</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Копіювати все</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Налаштування…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Надіслати відгук…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>Про Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Вийти з Cambio</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Версія %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>Курси: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>Курси не оновлено</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>Не вдалося змінити основну валюту.</translation>
    </message>
    <message>
        <source>cannot update the rates from %@</source>
        <translation>не вдається оновити курси з %@</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>не вдалося зберегти нові курси у %@</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>відповідь не у форматі JSON: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>відповідь не є JSON-об’єктом із курсами</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>у відповіді немає жодного придатного курсу</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>у з’єднанні відмовлено</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>не вдається завантажити модуль: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>вузол %@ не знайдено</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>з’єднання закрито до отримання повної відповіді</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>це не HTTP-адреса: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>це не HTTP-адреса</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>відповідь більша за %@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>час очікування вичерпано через %@ с</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>не вдається записати %@</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>інша програма утримувала блокування %@</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>не вдається заблокувати %@</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>більше за 1 МіБ</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>налаштування у %@ пропущено</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>невідома валюта: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>вже показується: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>це не видима валюта: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (закріплена)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>За розташуванням: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>Додати валюту</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>Доступні валюти</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL задає цей сервер на час сеансу.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio і cambio-cli запитують нові курси в цього сервера. Залиште порожнім, щоб використовувати сервер цього комп’ютера.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>Змінити основну валюту</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>Змінити формат чисел</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Змінити…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>Виберіть валюту, яку слід додати до конвертера.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>Виберіть, як записуються суми.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>Щоб змінити порядок, перетягніть валюту або натисніть Alt+Вгору чи Alt+Вниз.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>Стежити за розташуванням</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>Стежити за розташуванням комп’ютера</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>Основна валюта</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>Основна валюта:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Пересунути нижче</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Пересунути вище</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Формат чисел</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>Формати чисел</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Формат чисел:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>Суми виглядають так: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Розділи</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>Сервер курсів</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>Сервер курсів:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Курси</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>Курси:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Оновити зараз</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>Вилучити валюту</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Відновити типові</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>Шукати валюти</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>Шукати формати чисел</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>Шукати за кодом або назвою</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>Шукати за мовою або регіоном</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>Системний (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>Не вдалося зберегти зміну: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>Конвертер показує ці валюти під основною, у такому порядку.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>Основна валюта стоїть у верхньому рядку конвертера.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>Видимі валюти</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>Коли комп’ютер перебуває в іншій країні, Cambio пропонує зробити валюту цієї країни основною.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Надіслати</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Надіслати відгук</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Ел. пошта</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Повідомлення</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Ім’я:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Ел. пошта:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Повідомлення:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Обов’язково</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Необов’язково</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Надсилання…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>Введіть адресу електронної пошти.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>Адреса електронної пошти неповна.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>Напишіть повідомлення.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>Не вдалося зберегти повідомлення: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>Дякуємо за відгук.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>Не вдалося надіслати відгук.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>Його надіслано.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Надіслати звіт</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Не надсилати</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>Завжди надсилати</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>Не вдалося надіслати звіт про збій.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поділитися</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Поділитися</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Скопіювати до буфера обміну</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Зберегти зображення…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Зберегти зображення</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>Не вдалося зберегти зображення як %@.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Ел. пошта</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>Не вдалося підготувати лист.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>Не вдалося відкрити поштову програму.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Розкажіть, що вам подобається, чого бракує або що пішло не так.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>Ваше повідомлення зберігається в теці %@.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>Ваше повідомлення збережено в %@. Причина:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>Під час останнього запуску Cambio неочікувано завершив роботу.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>Надіслати звіт про це на %@? У ньому сказано, що робила програма, коли зупинилася; у ньому немає нічого з того, що ви вводили.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>Звіт про подію зберігається на цьому комп’ютері, у теці %@. Його нікуди не надіслано: адресу для надсилання звітів не налаштовано.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>Він залишається в %@ і буде запропонований знову під час наступного запуску. Причина:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>Курси, що постачаються з Cambio, отримано з API валют fawazahmed0/exchange-api (CC0 1.0). Кордони країн узято з country-coder (ліцензія ISC, див. «%@»). Прапори — це iso-flags-svg з Debian (суспільне надбання); прапори біткоїна, карибського гульдена та зімбабвійського золота — власні прапори Cambio.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>Ваше повідомлення буде збережено на цьому комп’ютері, у теці %@. Його нікуди не надіслано: адресу для надсилання відгуків не налаштовано.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>Ваше повідомлення буде надіслано на %@, а копія залишиться на цьому комп’ютері.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>Немає суми для вставлення.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>Вставити можна лише одну суму за раз.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>«%@» — не сума.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>Суми мають не більше %@ цифр до десяткового роздільника.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>«%@» тут позначає більше однієї валюти.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>«%@» позначає більше однієї валюти.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ немає серед показаних валют.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>Він залишається серед нових звітів у %@ і буде запропонований знову під час наступного запуску. Причина:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>Воно залишається серед ще не надісланих повідомлень у %@. Причина:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>Не вдалося відкласти звіт про збій.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>не вдається створити теку %@</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>Курсам %@</translation>
    </message>
    <message>
        <source>the rates server has no newer rates</source>
        <translation>на сервері курсів немає новіших курсів</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>курси на %@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>переспрямування на %@ відхилено</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>циклічне переспрямування</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>воно виводить з HTTPS</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>понад %@ переспрямувань</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ без адреси призначення</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>стиснення відповіді пошкоджене або після розпакування вона перевищила б будь-яку межу</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>помилка узгодження TLS: %@</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>відповідь не та, що була запитана</translation>
    </message>
</context>
</TS>
