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
        <source>cannot update the rates from %1: %2</source>
        <translation>не вдається оновити курси з %1: %2</translation>
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
        <source>Usage: %@</source>
        <translation>Використання: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Перераховує суми за курсами Cambio і змінює валюти, які показує конвертер. Суми читаються й записуються в поточній локалі; коди валют — у будь-якому регістрі.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Команди:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметри:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>AMOUNT у FROM, перерахована в кожну TO або в кожен рядок конвертера</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>перерахунки, які пошук стільниці показує для TEXT, наприклад «100 usd in eur» або «5 usd + 2 gbp in eur, jpy»</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>скопійоване зведення всіх рядків для AMOUNT у FROM (без FROM — в основній валюті)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>усі валюти з курсів із їхніми назвами; --available: лише ще не показані; --filter: лише знайдені за TEXT</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>валюти, які показує конвертер, після зміни, якщо її задано</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>основна валюта після того, як її задано кодом CODE або вона йде за країною комп’ютера</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>завантажує найновіші курси з сервера курсів</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>дата курсів, потім курси кожної валюти до долара США і назад; їхній вік виводиться в stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>використовувати для сум локаль ID (наприклад, de_DE або ar_EG@numbers=latn для цифр від 0 до 9) замість поточної</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>не попереджати в stderr, що курси застаріли</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>показати цю довідку й вийти</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>показати версію й вийти</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>Код виходу: 0 у разі успіху, 1, якщо операція не вдалася, 2 для хибного командного рядка.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ не приймає значення</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ потребує значення</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>невідомий параметр: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 не приймає аргументів: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>не задано команди (див. cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 не приймає параметр %2</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>невідома команда: %@ (див. cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>це не сума: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert потребує суму й валюту: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query потребує текст: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>це не перерахунок: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>у чинних курсах немає придатного курсу для %@</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>сума завелика для перерахунку в %@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary потребує суму: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>основну валюту не задано; вкажіть FROM або задайте її командою: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies не приймає валюту: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible приймає одну з форм: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main приймає одну валюту або --auto: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update не приймає аргументів</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>курси не оновлено</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>немає курсів: не вдається прочитати ні файл курсів, ні власну копію програми</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>запис файлу курсів для %@ непридатний; показано власні курси програми</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>запис файлу курсів для %@ непридатний і пропущений</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>не вдається записати вивід</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>не вдається записати вивід: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>локаль не задано</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>невідома локаль: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>не десяткова система числення: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>ключове слово локалі не підтримується: %@ (підтримуються numbers і currency)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>Курсам %1: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>Курсам %@: на сервері курсів немає новіших курсів</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>Надає Cambio курси валют за адресою %1, зібрані з Європейського центрального банку та відкритого API валют, а стан кожного джерела — за адресою %2.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>Будь-який параметр, крім --once, можна також задати в %@, по одному рядку «name = value»; командний рядок має перевагу.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>де очікувати з’єднань (типово %1; %2 для IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>щоденні довідкові курси центрального банку (XML); %@ вимикає їх</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>доларова таблиця API валют (JSON); повторіть для запасних адрес; %@ вимикає її</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>таблиця для валют, яких немає в жодному живому джерелі: документ курсів або відповідь JSON (типово: початкова таблиця самого конвертера)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>де зберігається остання справна таблиця (типово %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>наскільки старими можуть бути найновіші курси, щоб таблиця вважалася актуальною (типово %1; не більше %2, десять років)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>завершити роботу після такого часу без запитів, для активації через сокет (типово 0: ніколи; не більше %@, близько 24 днів)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>завантажити один раз, записати таблицю у форматі JSON у FILE і вийти; код виходу 1, якщо жодне живе джерело не відповіло</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>це не параметр налаштування: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 потребує URL http або https: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 потребує цілу кількість секунд від %2 до %3: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>неочікуваний аргумент: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 потребує %2, наприклад %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ потребує файл</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (див. cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Історія</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1 &amp;місяць</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 місяці</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1 &amp;рік</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 років</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Усе</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Завантаження…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>Не вдалося завантажити: %@. Показано курси, збережені на цьому комп’ютері.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>За цей період немає збережених курсів.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 за %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>за місяць</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>за три місяці</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>за рік</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>за п’ять років</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>з %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: немає збережених курсів.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: лише %2, %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: з %2 до %3, мінімум %4 (%5), максимум %6 (%7).</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>Немає курсів до %@.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>Немає курсів після %@.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>Немає курсів з %1 по %2.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>Зміна: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>Мінімум: %1 (%2)</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>Максимум: %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>історія курсів зберігається лише в пам’яті, %@ використати не можна</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>у ньому таблиці іншої програми</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>його схема версії %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>історію курсів почато заново, старий файл збережено як %@</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>не вдалося зберегти курси</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>у відповіді немає історії запитаних валют</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>не вдається завантажити історію курсів з %@</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 за %2 з %3 по %4: від %5 до %6, мінімум %7 (%8), максимум %9 (%10), зміна %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>показано курси, збережені на цьому комп’ютері</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>скільки AGAINST (типово основної валюти) коштував один CODE кожного дня, потім мінімум, максимум і зміна; типово останні 30 днів, не більше 10 років; дати у вигляді РРРР-ММ-ДД; --csv для електронних таблиць</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>відповідь не та, що була запитана</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>повна історія центрального банку (XML), що переноситься в історію один раз; %@ вимикає це</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history потрібна валюта: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history потрібні дві різні валюти: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days не можна вказувати разом із --from або --to</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days потрібна кількість днів: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>це не дата (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>для --to потрібен --from</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>перший день пізніший за останній: з %1 по %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>понад %1 років за раз: з %2 по %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>немає курсів %1 до %2 з %3 по %4</translation>
    </message>
</context>
</TS>
